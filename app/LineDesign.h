#pragma once

#include "app/Colour.h"

#include <string_view>

// A straight horizontal line of a screen's design: its object name, its two
// ends and height in twips, its colour and its thickness in pixels.
struct LineDesign {
    std::string_view name;
    int x1 = 0;
    int x2 = 0;
    int y = 0;
    Colour colour;
    int thicknessPixels = 1;
};
