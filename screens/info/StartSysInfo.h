#pragma once

#include <cstdint>
#include <string>

class SysInfoPlatform;

inline constexpr std::uint32_t HKEY_LOCAL_MACHINE_ROOT = 0x80000002u;

// Reads one registry value as text into KeyVal; true when the value was read.
bool GetKeyValue(SysInfoPlatform& platform, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

// Finds the System Information tool through the registry and starts it.
// False when it is unavailable: the caller then says so in a message box.
bool StartSysInfo(SysInfoPlatform& platform);
