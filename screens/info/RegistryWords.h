#pragma once

#include <cstdint>

// The words of the Windows registry that the System Information launcher uses:
// where the tool is recorded, the value types, the access asked for and the
// answers of the registry functions. The Windows platform checks them against
// the system's own headers; the Linux view and the tests answer in them.
namespace RegistryWords {

// HKEY_LOCAL_MACHINE, as the 32-bit value Windows defines it.
inline constexpr std::uint32_t localMachine = 0x80000002u;

// The tool's full path, and the folder it stands in, in the order they are tried.
inline constexpr const char* fullPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* fullPathValue = "PATH";
inline constexpr const char* folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* folderValue = "MSINFO";
inline constexpr const char* programFileInFolder = "\\MSINFO32.EXE";

// Value types: REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD, REG_MULTI_SZ.
inline constexpr std::uint32_t textType = 1u;
inline constexpr std::uint32_t expandableTextType = 2u;
inline constexpr std::uint32_t binaryType = 3u;
inline constexpr std::uint32_t numberType = 4u;
inline constexpr std::uint32_t textListType = 7u;

// KEY_READ: read control, query value, enumerate sub-keys and notify. The
// reader never writes, and an ordinary user is refused write rights on these
// keys, which would make an installed tool look unavailable.
inline constexpr std::uint32_t readAccess = 0x20019u;

// KEY_WOW64_64KEY and KEY_WOW64_32KEY, added to the access asked for: which
// of 64-bit Windows' two registry views a key is opened in. Without either, a
// program sees the view of its own kind only, while an installer of either
// kind may have recorded the tool.
inline constexpr std::uint32_t view64Bit = 0x0100u;
inline constexpr std::uint32_t view32Bit = 0x0200u;

// The answers: ERROR_SUCCESS, ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED,
// ERROR_INVALID_HANDLE, ERROR_MORE_DATA.
inline constexpr long success = 0;
inline constexpr long fileNotFound = 2;
inline constexpr long accessDenied = 5;
inline constexpr long invalidHandle = 6;
inline constexpr long moreData = 234;

} // namespace RegistryWords
