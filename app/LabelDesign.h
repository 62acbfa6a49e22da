#pragma once

#include "app/Colour.h"
#include "app/TwipsRect.h"

#include <optional>
#include <string_view>

// The typefaces the screens ask for.
enum class Face { TimesNewRoman, MsSansSerif, Arial };

// How a label's text stands in its place.
enum class Align { Left, Centre, Right };

// How a label's text meets its width: broken into lines at word boundaries,
// kept on one line, or on one line that the label shrinks or grows to fit,
// keeping its left edge, or its right edge when right-aligned.
enum class Fit { WrapsAtWords, OneLine, SizesToText };

// What a label is to the reader of its screen.
enum class LabelRole {
    Plain,
    Title,
    Introduction, // read before the prompt
    Prompt,       // the step to perform
};

// The look of a label's text; with no colour of its own it keeps the toolkit's.
struct TextLook {
    Face face = Face::MsSansSerif;
    double points = 8.25;
    bool bold = true;
    std::optional<Colour> colour;
    Align align = Align::Left;
};

// One label of a screen's design: its object name, text, place in twips and look.
struct LabelDesign {
    std::string_view name;
    std::string_view text;
    TwipsRect place;
    TextLook look;
    Fit fit = Fit::WrapsAtWords;
    LabelRole role = LabelRole::Plain;
    // Its place in the design's tab order; a label takes no focus, so it only orders the design.
    int tabIndex = 0;
};
