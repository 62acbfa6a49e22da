#include "screens/info/SysInfoPlatformWindows.h"

#include "screens/info/RegistryWords.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <vector>

// The launcher and the Linux view speak in these words; here they meet the system's own.
static_assert(RegistryWords::textType == REG_SZ);
static_assert(RegistryWords::expandableTextType == REG_EXPAND_SZ);
static_assert(RegistryWords::binaryType == REG_BINARY);
static_assert(RegistryWords::numberType == REG_DWORD);
static_assert(RegistryWords::textListType == REG_MULTI_SZ);
static_assert(RegistryWords::readAccess == KEY_READ);
static_assert(RegistryWords::view64Bit == KEY_WOW64_64KEY);
static_assert(RegistryWords::view32Bit == KEY_WOW64_32KEY);
static_assert(RegistryWords::success == ERROR_SUCCESS);
static_assert(RegistryWords::fileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(RegistryWords::accessDenied == ERROR_ACCESS_DENIED);
static_assert(RegistryWords::invalidHandle == ERROR_INVALID_HANDLE);
static_assert(RegistryWords::moreData == ERROR_MORE_DATA);

namespace {

// The predefined root keys are 32-bit values that Windows sign-extends into a
// handle (HKEY_LOCAL_MACHINE is 0xFFFFFFFF80000002 in a 64-bit program).
HKEY rootKey(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(root))));
}

HKEY openedKey(SysInfoPlatform::KeyHandle key)
{
    return reinterpret_cast<HKEY>(key);
}

} // namespace

std::vector<std::uint32_t> SysInfoPlatformWindows::registryViews() const
{
    return {RegistryWords::view64Bit, RegistryWords::view32Bit};
}

long SysInfoPlatformWindows::openKey(std::uint32_t root, const std::string& subKey,
                                     std::uint32_t access, KeyHandle& key)
{
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(rootKey(root), subKey.c_str(), 0, access, &opened);
    if (result == RegistryWords::success)
        key = reinterpret_cast<KeyHandle>(opened);
    return result;
}

long SysInfoPlatformWindows::queryValue(KeyHandle key, const std::string& valueName,
                                        std::uint32_t& type, unsigned char* data,
                                        std::uint32_t& size)
{
    DWORD valueType = 0;
    DWORD dataSize = size;
    const LONG result =
        RegQueryValueExA(openedKey(key), valueName.c_str(), nullptr, &valueType, data, &dataSize);
    type = valueType;
    size = dataSize;
    return result;
}

long SysInfoPlatformWindows::closeKey(KeyHandle key)
{
    return RegCloseKey(openedKey(key));
}

bool SysInfoPlatformWindows::ordinaryFileExists(const std::string& path)
{
    // A listing of a name with wildcards could find some other file; no real
    // file name holds them anyway.
    if (path.empty() || path.find_first_of("*?") != std::string::npos)
        return false;
    WIN32_FIND_DATAA found{};
    const HANDLE listing = FindFirstFileA(path.c_str(), &found);
    if (listing == INVALID_HANDLE_VALUE)
        return false;
    FindClose(listing);
    constexpr DWORD notOrdinary =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (found.dwFileAttributes & notOrdinary) == 0;
}

bool SysInfoPlatformWindows::startProgram(const std::string& path)
{
    if (path.empty())
        return false;
    // The application name fixes the file to start; the command line only
    // repeats the path, quoted, as the program's own name with no arguments.
    std::vector<char> commandLine;
    commandLine.push_back('"');
    commandLine.insert(commandLine.end(), path.begin(), path.end());
    commandLine.push_back('"');
    commandLine.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started))
        return false;
    // Nothing follows the tool once it runs.
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}
