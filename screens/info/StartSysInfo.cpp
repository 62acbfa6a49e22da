#include "screens/info/StartSysInfo.h"

#include "screens/info/GetKeyValue.h"
#include "screens/info/RegistryWords.h"
#include "screens/info/SysInfoPlatform.h"

#include <string>

bool StartSysInfo(SysInfoPlatform& platform)
{
    // Any failure on the way, an exception included, means the one answer "unavailable".
    try {
        std::string path;
        using namespace RegistryWords;
        if (!GetKeyValue(platform, localMachine, fullPathKey, fullPathValue, path)) {
            if (!GetKeyValue(platform, localMachine, folderKey, folderValue, path))
                return false;
            const std::string candidate = path + programFileInFolder;
            if (!platform.ordinaryFileExists(candidate))
                return false;
            path = candidate;
        }
        // The recorded full path is trusted as it stands: a wrong one simply fails to start.
        return platform.startProgram(path);
    } catch (...) {
        return false;
    }
}
