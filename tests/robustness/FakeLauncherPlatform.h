#pragma once

#include "screens/info/SysInfoPlatform.h"

#include <string>

// A registry and launcher for the About box that start nothing: either the
// System Information tool is recorded under its full path and "starts", or
// the registry knows nothing of it.
class FakeLauncherPlatform : public SysInfoPlatform {
public:
    void setToolInstalled(bool installed) { m_installed = installed; }
    int starts() const { return m_starts; }

    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access, KeyHandle& key) override;
    long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    long closeKey(KeyHandle key) override;
    bool ordinaryFileExists(const std::string& path) override;
    bool startProgram(const std::string& path) override;

    static inline const std::string toolPath = "C:\\Program Files\\MSINFO\\MSINFO32.EXE";

private:
    bool m_installed = false;
    int m_starts = 0;
};
