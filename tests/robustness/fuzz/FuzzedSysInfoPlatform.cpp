#include "FuzzedSysInfoPlatform.h"

#include "screens/info/RegistryWords.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {
[[noreturn]] void broken(const char* rule)
{
    std::fprintf(stderr, "broken rule: %s\n", rule);
    std::abort();
}

constexpr std::uint32_t bufferSizeOfTheReader = 1024;
} // namespace

void FuzzedSysInfoPlatform::maybeThrow(const char* call)
{
    if (m_input.byte() == 0xEE)
        throw std::runtime_error(call);
}

long FuzzedSysInfoPlatform::openKey(std::uint32_t, const std::string&, std::uint32_t, KeyHandle& key)
{
    maybeThrow("openKey");
    const std::uint8_t status = m_input.byte();
    if (status != 0)
        return status;
    key = m_next++;
    m_open.insert(key);
    return 0;
}

long FuzzedSysInfoPlatform::queryValue(KeyHandle key, const std::string&, std::uint32_t& type, unsigned char* data,
                                       std::uint32_t& size)
{
    if (!m_open.count(key))
        broken("a value is queried through a key that is not open");
    if (size != bufferSizeOfTheReader)
        broken("the reader offers a buffer of another size than 1024 bytes");
    // Every byte of the buffer the reader claims to offer is written: if it
    // is any smaller, the sanitizer reports the write.
    std::memset(data, 0xA5, size);

    maybeThrow("queryValue");
    const std::uint8_t status = m_input.byte();
    type = m_input.byte() == 0xFF ? m_input.dword() : m_input.byte() % 8;
    const std::string value = m_input.bytes(m_input.word() % (bufferSizeOfTheReader + 1));
    std::memcpy(data, value.data(), value.size());
    // The size answered: usually what was written, but a faulty platform may
    // answer anything, 0 and far past the buffer included.
    const std::uint8_t sizeChoice = m_input.byte();
    if (sizeChoice == 0xFD)
        size = 0;
    else if (sizeChoice == 0xFE)
        size = m_input.dword();
    else
        size = static_cast<std::uint32_t>(value.size());
    return status == 0 ? RegistryWords::success : (status == 1 ? RegistryWords::moreData : status);
}

long FuzzedSysInfoPlatform::closeKey(KeyHandle key)
{
    if (!m_open.erase(key))
        broken("a key is closed that is not open");
    maybeThrow("closeKey");
    return m_input.byte();
}

bool FuzzedSysInfoPlatform::ordinaryFileExists(const std::string&)
{
    maybeThrow("ordinaryFileExists");
    return m_input.byte() & 1;
}

bool FuzzedSysInfoPlatform::startProgram(const std::string& path)
{
    if (!m_open.empty())
        broken("a program is started while a registry key is still open");
    // The path is a value read into the buffer, with at most "\MSINFO32.EXE" after it.
    if (path.size() > bufferSizeOfTheReader + 13)
        broken("a program is started from a path longer than the buffer holds");
    ++m_startAttempts;
    maybeThrow("startProgram");
    const bool started = m_input.byte() & 1;
    m_starts += started;
    return started;
}
