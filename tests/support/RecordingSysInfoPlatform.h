#pragma once

#include "screens/info/SysInfoPlatform.h"

#include <cstring>
#include <optional>
#include <string>
#include <vector>

// The About box's view of the system, in memory: a registry that records the
// System Information tool's full path (or records nothing), and a program
// starter that notes every path it was asked to start.
class RecordingSysInfoPlatform : public SysInfoPlatform {
public:
    // What the registry holds under the tool's full-path entry; nothing when absent.
    std::optional<std::string> toolPath;
    bool startSucceeds = true;

    std::vector<std::string> started;
    int openKeys = 0;

    long openKey(std::uint32_t, const std::string& subKey, std::uint32_t, KeyHandle& key) override
    {
        if (!toolPath || subKey != "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO")
            return fileNotFound;
        ++openKeys;
        key = toolKey;
        return 0;
    }

    long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override
    {
        if (key != toolKey || valueName != "PATH")
            return fileNotFound;
        // A text value as the registry stores it: with its terminating zero.
        const auto needed = static_cast<std::uint32_t>(toolPath->size() + 1);
        if (needed > size) {
            size = needed;
            return moreData;
        }
        std::memcpy(data, toolPath->c_str(), needed);
        size = needed;
        type = 1;
        return 0;
    }

    long closeKey(KeyHandle key) override
    {
        if (key == toolKey)
            --openKeys;
        return 0;
    }

    bool ordinaryFileExists(const std::string&) override { return false; }

    bool startProgram(const std::string& path) override
    {
        started.push_back(path);
        return startSucceeds;
    }

private:
    static constexpr long fileNotFound = 2;
    static constexpr long moreData = 234;
    static constexpr KeyHandle toolKey = 0x51;
};
