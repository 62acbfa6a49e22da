#pragma once

#include "screens/info/SysInfoPlatform.h"

// The Windows registry through the ANSI functions of advapi32, a file test by
// a directory listing of the one path, and CreateProcessA given the program's
// exact path, so that no command line is ever parsed to find the program.
// The registry is read in its 64-bit view, then in its 32-bit view.
class SysInfoPlatformWindows : public SysInfoPlatform {
public:
    std::vector<std::uint32_t> registryViews() const override;
    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                 KeyHandle& key) override;
    long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override;
    long closeKey(KeyHandle key) override;
    bool ordinaryFileExists(const std::string& path) override;
    bool startProgram(const std::string& path) override;
};
