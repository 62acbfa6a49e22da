#include "screens/info/SysInfoPlatformProvider.h"

#ifdef _WIN32
#include "screens/info/SysInfoPlatformWindows.h"
using SystemSysInfoPlatform = SysInfoPlatformWindows;
#else
#include "screens/info/SysInfoPlatformLinux.h"
using SystemSysInfoPlatform = SysInfoPlatformLinux;
#endif

namespace {
SysInfoPlatform*& testingPlatform()
{
    static SysInfoPlatform* fake = nullptr;
    return fake;
}
} // namespace

SysInfoPlatform& currentSysInfoPlatform()
{
    if (SysInfoPlatform* fake = testingPlatform())
        return *fake;
    static SystemSysInfoPlatform system;
    return system;
}

void overrideSysInfoPlatformForTesting(SysInfoPlatform* fake)
{
    testingPlatform() = fake;
}
