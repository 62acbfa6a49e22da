#include "FakeLauncherPlatform.h"

#include <cstring>

namespace {
constexpr long fileNotFound = 2;
constexpr FakeLauncherPlatform::KeyHandle toolKey = 0x1001;
} // namespace

long FakeLauncherPlatform::openKey(std::uint32_t, const std::string& subKey, std::uint32_t, KeyHandle& key)
{
    if (!m_installed || subKey != "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO")
        return fileNotFound;
    key = toolKey;
    return 0;
}

long FakeLauncherPlatform::queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                                      unsigned char* data, std::uint32_t& size)
{
    if (key != toolKey || valueName != "PATH")
        return fileNotFound;
    const std::uint32_t needed = static_cast<std::uint32_t>(toolPath.size() + 1);
    if (needed > size)
        return 234; // more data than the buffer holds
    std::memcpy(data, toolPath.c_str(), needed);
    size = needed;
    type = 1;
    return 0;
}

long FakeLauncherPlatform::closeKey(KeyHandle)
{
    return 0;
}

bool FakeLauncherPlatform::ordinaryFileExists(const std::string&)
{
    return false;
}

bool FakeLauncherPlatform::startProgram(const std::string& path)
{
    if (path != toolPath)
        return false;
    ++m_starts;
    return true;
}
