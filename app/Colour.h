#pragma once

// A colour of the screens' designs, red, green and blue from 0 to 255.
struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

// The colours the screens share, by name.
namespace ScreenLook {

inline constexpr Colour cyan{0, 255, 255};
inline constexpr Colour red{255, 0, 0};
inline constexpr Colour blue{0, 0, 255};
inline constexpr Colour black{0, 0, 0};
inline constexpr Colour magenta{255, 0, 255};
inline constexpr Colour lightYellow{255, 255, 192};
inline constexpr Colour white{255, 255, 255};
inline constexpr Colour grey{128, 128, 128};

} // namespace ScreenLook
