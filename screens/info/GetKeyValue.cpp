#include "screens/info/GetKeyValue.h"

#include "screens/info/RegistryWords.h"
#include "screens/info/SysInfoPlatform.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <stdexcept>

namespace {

constexpr std::size_t dataBufferSize = 1024;

// Closes the opened key however the reading ends, an exception included.
class OpenedKey {
public:
    OpenedKey(SysInfoPlatform& platform, SysInfoPlatform::KeyHandle key)
        : m_platform(platform), m_key(key)
    {
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    ~OpenedKey()
    {
        try {
            m_platform.closeKey(m_key);
        } catch (...) {
            // Nothing more can be done for a key the platform cannot close.
        }
    }
    SysInfoPlatform::KeyHandle handle() const { return m_key; }

private:
    SysInfoPlatform& m_platform;
    SysInfoPlatform::KeyHandle m_key;
};

// "&h" followed by the number in upper-case hexadecimal digits, without leading zeros.
std::string dwordAsHexLiteral(const unsigned char* bytes, std::size_t count)
{
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < count && i < 4; ++i)
        number |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    std::array<char, 16> digits{};
    std::snprintf(digits.data(), digits.size(), "%X", static_cast<unsigned>(number));
    return "&h" + std::string(digits.data());
}

} // namespace

bool GetKeyValue(SysInfoPlatform& platform, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal, std::uint32_t view)
{
    SysInfoPlatform::KeyHandle handle = 0;
    if (platform.openKey(KeyRoot, KeyName, RegistryWords::readAccess | view, handle) != 0) {
        KeyVal.clear();
        return false;
    }
    const OpenedKey key(platform, handle);

    std::array<unsigned char, dataBufferSize> data{};
    std::uint32_t size = dataBufferSize;
    std::uint32_t type = 0;
    // A size beyond the buffer can only come from a faulty platform: it counts
    // as a value too long to read, and nothing past the buffer is ever looked at.
    if (platform.queryValue(key.handle(), SubKeyRef, type, data.data(), size) != 0
        || size > dataBufferSize) {
        KeyVal.clear();
        return false;
    }
    if (size == 0)
        throw std::runtime_error("registry value without data");

    const std::size_t kept = data[size - 1] == 0 ? size - 1 : size;
    switch (type) {
    case RegistryWords::textType:
        KeyVal.assign(reinterpret_cast<const char*>(data.data()), kept);
        break;
    case RegistryWords::numberType:
        KeyVal = dwordAsHexLiteral(data.data(), kept);
        break;
    default:
        // Other types are read but give no text: KeyVal stays as it came in.
        break;
    }
    return true;
}
