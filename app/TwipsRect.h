#pragma once

// A control's place on its window in twips (1/1440 inch), from the top-left
// corner of the window's client area.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};
