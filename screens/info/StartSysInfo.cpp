#include "screens/info/StartSysInfo.h"

#include "screens/info/SysInfoPlatform.h"

namespace {

// Where the System Information tool is recorded, in the order they are tried.
const std::string FULL_PATH_KEY = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FULL_PATH_VALUE = "PATH";
const std::string FOLDER_KEY = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string FOLDER_VALUE = "MSINFO";
const std::string PROGRAM_FILE_IN_FOLDER = "\\MSINFO32.EXE";

} // namespace

bool StartSysInfo(SysInfoPlatform& platform)
{
    // Any failure on the way, an exception included, means the one answer "unavailable".
    try {
        std::string path;
        if (!GetKeyValue(platform, HKEY_LOCAL_MACHINE_ROOT, FULL_PATH_KEY, FULL_PATH_VALUE, path)) {
            if (!GetKeyValue(platform, HKEY_LOCAL_MACHINE_ROOT, FOLDER_KEY, FOLDER_VALUE, path))
                return false;
            const std::string candidate = path + PROGRAM_FILE_IN_FOLDER;
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
