#pragma once

#include <cstdint>
#include <string>

class SysInfoPlatform;

// Reads one registry value as text into KeyVal; true when the value was read.
// The key is opened read-only and closed again before every return. A missing
// or unreadable key or value, or one longer than 1024 bytes, gives false with
// KeyVal empty; text loses one terminating zero byte, a number becomes "&h..."
// in hexadecimal, other types leave KeyVal as it came in. A value without any
// data throws std::runtime_error. `view` is added to the read access: it picks
// the registry view the key is opened in (0: the program's own).
bool GetKeyValue(SysInfoPlatform& platform, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal, std::uint32_t view = 0);
