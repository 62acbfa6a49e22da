#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The few services of the operating system that the About box's System
// Information launcher needs. Plain C++, so the same launcher builds for
// Windows and for Linux and the tests can put a fake registry behind it.
class SysInfoPlatform {
public:
    using KeyHandle = std::uintptr_t;

    virtual ~SysInfoPlatform() = default;

    // The registry views to look in, in turn, each as the flag added to the
    // access asked for when a key is opened. One view, the program's own, unless
    // the system keeps more than one.
    virtual std::vector<std::uint32_t> registryViews() const { return {0}; }

    // As RegOpenKeyExA: 0 on success, with the opened key in `key`.
    virtual long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                         KeyHandle& key) = 0;
    // As RegQueryValueExA: 0 on success; `size` holds the buffer's size on entry
    // and the value's data size on return.
    virtual long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) = 0;
    virtual long closeKey(KeyHandle key) = 0;

    // Whether an ordinary file (not hidden, not a system file, not a folder) has this path.
    virtual bool ordinaryFileExists(const std::string& path) = 0;

    // Starts the program at this exact path with no arguments, in a normal
    // window, without waiting and never through a shell; false when it could not start.
    virtual bool startProgram(const std::string& path) = 0;
};
