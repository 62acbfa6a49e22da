#include "support/FakeSysInfoPlatform.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

void FakeSysInfoPlatform::setValue(const std::string& key, const std::string& name,
                                   std::uint32_t type, const std::string& bytes)
{
    keys[key].values[name] = Value{type, bytes};
}

void FakeSysInfoPlatform::recordToolPath(const std::string& path)
{
    // Text, with its terminating zero.
    setValue(RegistryWords::fullPathKey, RegistryWords::fullPathValue, RegistryWords::textType, path + '\0');
}

long FakeSysInfoPlatform::openKey(std::uint32_t root, const std::string& subKey,
                                  std::uint32_t access, KeyHandle& key)
{
    roots.push_back(root);
    openedKeyNames.push_back(subKey);
    accessMasks.push_back(access);
    const auto found = keys.find(subKey);
    if (root != RegistryWords::localMachine || found == keys.end())
        return RegistryWords::fileNotFound;
    if (found->second.openResult != RegistryWords::success)
        return found->second.openResult;
    key = m_next++;
    m_handles[key] = subKey;
    m_open.insert(key);
    ++opens;
    return RegistryWords::success;
}

long FakeSysInfoPlatform::queryValue(KeyHandle key, const std::string& valueName,
                                     std::uint32_t& type, unsigned char* data,
                                     std::uint32_t& size)
{
    ++queries;
    if (queryThrows)
        throw std::runtime_error("query failed");
    if (m_open.count(key) == 0)
        return RegistryWords::invalidHandle;
    const Key& opened = keys.at(m_handles.at(key));
    const auto value = opened.values.find(valueName);
    if (value == opened.values.end())
        return RegistryWords::fileNotFound;
    const std::string& bytes = value->second.bytes;
    type = value->second.type;
    if (bytes.size() > size) {
        size = static_cast<std::uint32_t>(bytes.size());
        return RegistryWords::moreData;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    size = static_cast<std::uint32_t>(bytes.size());
    if (reportedSizeOnSuccess != 0)
        size = reportedSizeOnSuccess;
    return RegistryWords::success;
}

long FakeSysInfoPlatform::closeKey(KeyHandle key)
{
    if (m_open.erase(key) == 0) {
        ++badCloses;
        return RegistryWords::invalidHandle;
    }
    ++closes;
    return RegistryWords::success;
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
