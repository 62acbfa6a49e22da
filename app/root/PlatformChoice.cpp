#include "app/root/PlatformChoice.h"

#include <string_view>

namespace PlatformChoice {

namespace {
bool given(const char* value)
{
    return value && *value;
}
} // namespace

std::string forSession(const char* chosenPlatform, const char* waylandDisplay, const char* x11Display,
                       const char* sessionType)
{
    // The user's own choice of platform stands, whatever it is.
    if (given(chosenPlatform) || !given(x11Display))
        return {};
    // The toolkit prefers Wayland in a Wayland session even with XWayland on offer.
    const bool wayland = given(waylandDisplay) || (given(sessionType) && std::string_view(sessionType) == "wayland");
    return wayland ? "xcb" : std::string();
}

} // namespace PlatformChoice
