#pragma once

// What the program settles with its surroundings around the toolkit's start:
// which platform the toolkit runs through, and guards so that nothing there
// can end the program silently, load a stranger's library, or leave anything
// running after it. One file for Linux, one for Windows.
namespace StartupGuards {

// Before the toolkit starts. On Linux: X11 where a Wayland desktop offers it
// too, no ending on a broken standard error stream, and no bus started for a
// session that has none. On Windows: libraries from the program's folder and
// the system's only.
void guardBeforeToolkit();

// Once the toolkit runs: whatever was set for it alone is taken back, so that
// a program the doctor starts from here sees the session as it was.
void settleAfterToolkit();

} // namespace StartupGuards
