#include "FakeSysInfoPlatform.h"

#include "screens/info/StartSysInfo.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

void FakeSysInfoPlatform::setValue(const std::string& key, const std::string& name,
                                   std::uint32_t type, const std::string& bytes)
{
    keys[key].values[name] = Value{type, bytes};
}

long FakeSysInfoPlatform::openKey(std::uint32_t root, const std::string& subKey,
                                  std::uint32_t access, KeyHandle& key)
{
    roots.push_back(root);
    openedKeyNames.push_back(subKey);
    accessMasks.push_back(access);
    const auto found = keys.find(subKey);
    if (root != HKEY_LOCAL_MACHINE_ROOT || found == keys.end())
        return 2; // ERROR_FILE_NOT_FOUND
    if (found->second.openResult != 0)
        return found->second.openResult;
    key = next_++;
    handles_[key] = subKey;
    open_.insert(key);
    ++opens;
    return 0;
}

long FakeSysInfoPlatform::queryValue(KeyHandle key, const std::string& valueName,
                                     std::uint32_t& type, unsigned char* data,
                                     std::uint32_t& size)
{
    ++queries;
    if (queryThrows)
        throw std::runtime_error("query failed");
    if (open_.count(key) == 0)
        return 6; // ERROR_INVALID_HANDLE
    const Key& opened = keys.at(handles_.at(key));
    const auto value = opened.values.find(valueName);
    if (value == opened.values.end())
        return 2;
    const std::string& bytes = value->second.bytes;
    type = value->second.type;
    if (bytes.size() > size) {
        size = static_cast<std::uint32_t>(bytes.size());
        return 234; // ERROR_MORE_DATA
    }
    std::memcpy(data, bytes.data(), bytes.size());
    size = static_cast<std::uint32_t>(bytes.size());
    if (reportedSizeOnSuccess != 0)
        size = reportedSizeOnSuccess;
    return 0;
}

long FakeSysInfoPlatform::closeKey(KeyHandle key)
{
    if (open_.erase(key) == 0) {
        ++badCloses;
        return 6;
    }
    ++closes;
    return 0;
}

bool FakeSysInfoPlatform::ordinaryFileExists(const std::string& path)
{
    fileTests.push_back(path);
    const auto found = files.find(path);
    return found != files.end() && found->second == FileKind::Ordinary;
}

bool FakeSysInfoPlatform::startProgram(const std::string& path)
{
    startAttempts.push_back(path);
    if (startThrows)
        throw std::runtime_error("start failed");
    // As the system: an empty path starts nothing.
    if (!startSucceeds || path.empty())
        return false;
    started.push_back(path);
    return true;
}
