#include "screens/info/StartSysInfo.h"

#include "screens/info/GetKeyValue.h"
#include "screens/info/RegistryWords.h"
#include "screens/info/SysInfoPlatform.h"

#include <string>

bool StartSysInfo(SysInfoPlatform& platform)
{
    // Any failure on the way, an exception included, means the one answer "unavailable".
    try {
        using namespace RegistryWords;
        // The next view is looked in only when this one recorded neither place:
        // a place once read decides, whether the tool is found there or not.
        for (const std::uint32_t view : platform.registryViews()) {
            std::string path;
            if (!GetKeyValue(platform, localMachine, fullPathKey, fullPathValue, path, view)) {
                if (!GetKeyValue(platform, localMachine, folderKey, folderValue, path, view))
                    continue;
                const std::string candidate = path + programFileInFolder;
                if (!platform.ordinaryFileExists(candidate))
                    return false;
                path = candidate;
            }
            // The recorded full path is trusted as it stands: a wrong one simply fails to start.
            return platform.startProgram(path);
        }
        return false;
    } catch (...) {
        return false;
    }
}
