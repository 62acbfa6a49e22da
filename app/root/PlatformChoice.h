#pragma once

#include <string>

// Which of the toolkit's platforms the program runs through. The screens are
// sized and placed by the program itself, which X11 allows and a Wayland
// compositor does not; so where a desktop offers both, X11 (XWayland) serves.
namespace PlatformChoice {

// The platform to ask the toolkit for, or empty to leave it the toolkit's own
// choice. Each argument is the session's value of QT_QPA_PLATFORM,
// WAYLAND_DISPLAY, DISPLAY and XDG_SESSION_TYPE, or null when unset.
std::string forSession(const char* chosenPlatform, const char* waylandDisplay, const char* x11Display,
                       const char* sessionType);

} // namespace PlatformChoice
