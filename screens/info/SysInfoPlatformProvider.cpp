#include "screens/info/SysInfoPlatformProvider.h"

#ifdef _WIN32
#include "screens/info/WindowsSysInfoPlatform.h"
using SystemSysInfoPlatform = WindowsSysInfoPlatform;
#else
#include "screens/info/LinuxSysInfoPlatform.h"
using SystemSysInfoPlatform = LinuxSysInfoPlatform;
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
