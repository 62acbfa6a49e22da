#pragma once

class SysInfoPlatform;

// The platform the About box's launcher runs on: the real one of the system
// the program was built for, unless a test has put a fake in its place.
SysInfoPlatform& currentSysInfoPlatform();
void overrideSysInfoPlatformForTesting(SysInfoPlatform* fake);
