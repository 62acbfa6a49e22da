#pragma once

class SysInfoPlatform;

// Finds the System Information tool through the registry and starts it.
// False when it is unavailable, whatever the reason (it never throws): the
// caller then says so in a message box.
bool StartSysInfo(SysInfoPlatform& platform);
