#pragma once

#include "screens/info/SysInfoPlatform.h"

#include <array>
#include <map>
#include <string>
#include <string_view>

// Linux has no registry and no System Information tool of its own. This
// platform offers a read-only view in which the key of the tool's full path
// holds the first system-information program found on PATH; the key of the
// tool's folder does not exist. Programs start by posix_spawn, never a shell.
class SysInfoPlatformLinux : public SysInfoPlatform {
public:
    // Looked for in this order; the first one found anywhere on PATH wins.
    static constexpr std::array<std::string_view, 4> systemInformationPrograms{
        "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor"};

    // The absolute path of the first listed program that is an executable file
    // in one of the folders of `searchPath` (colon-separated); empty when none is.
    static std::string findSystemInformationProgram(const std::string& searchPath);

    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                 KeyHandle& key) override;
    long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override;
    long closeKey(KeyHandle key) override;
    bool ordinaryFileExists(const std::string& path) override;
    bool startProgram(const std::string& path) override;

private:
    // The program path each open key saw when it was opened.
    std::map<KeyHandle, std::string> m_openKeys;
    KeyHandle m_nextKey = 1;
};
