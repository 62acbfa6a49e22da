#pragma once

#include "screens/info/RegistryWords.h"
#include "screens/info/SysInfoPlatform.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// A registry, a file system and a program starter in memory, answering as the
// Windows functions do, and counting what the launcher and the About box asked
// of them.
class FakeSysInfoPlatform : public SysInfoPlatform {
public:
    struct Value {
        std::uint32_t type = RegistryWords::textType;
        std::string bytes;
    };
    struct Key {
        long openResult = RegistryWords::success; // what opening the key answers, e.g. accessDenied
        std::map<std::string, Value> values;
    };
    enum class FileKind { Ordinary, Hidden, System, Folder };

    // Stored under HKEY_LOCAL_MACHINE.
    std::map<std::string, Key> keys;
    std::map<std::string, FileKind> files;
    bool startSucceeds = true;
    bool queryThrows = false;
    bool startThrows = false;
    // A faulty platform: answers success with this size, past any buffer it was given.
    std::uint32_t reportedSizeOnSuccess = 0;

    // What was asked.
    std::vector<std::string> openedKeyNames;
    std::vector<std::uint32_t> accessMasks;
    std::vector<std::uint32_t> roots;
    int opens = 0;
    int closes = 0;
    int badCloses = 0;
    int queries = 0;
    std::vector<std::string> fileTests;
    std::vector<std::string> startAttempts;
    std::vector<std::string> started;

    void setValue(const std::string& key, const std::string& name, std::uint32_t type,
                  const std::string& bytes);
    // The System Information tool's full path, recorded as Windows records it.
    void recordToolPath(const std::string& path);
    std::set<KeyHandle> stillOpen() const { return m_open; }

    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                 KeyHandle& key) override;
    long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override;
    long closeKey(KeyHandle key) override;
    bool ordinaryFileExists(const std::string& path) override;
    bool startProgram(const std::string& path) override;

private:
    std::map<KeyHandle, std::string> m_handles;
    std::set<KeyHandle> m_open;
    KeyHandle m_next = 0x100;
};
