#pragma once

// Guards against the surroundings the program may be started in, so that
// nothing there can end it silently or leave anything running after it.
namespace StartupGuards {

// Before the toolkit starts: a broken standard error stream may not end the
// program, and a session with no bus gets none started for it.
void guardBeforeToolkit();

// Once the toolkit runs: whatever was withheld from it is given back, so that
// a program the doctor starts from here sees the session as it was.
void settleAfterToolkit();

} // namespace StartupGuards
