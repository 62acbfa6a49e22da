#pragma once

// The sound the desktop makes with a warning box. One file for each kind of desktop.
namespace AlertSound {

// Plays the warning sound without waiting for it.
void warning();

} // namespace AlertSound
