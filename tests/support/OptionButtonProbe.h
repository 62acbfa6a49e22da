#pragma once

#include <QRect>
#include <QStringList>

class OptionButton;

// How an option button laid its caption out, for the tests alone.
class OptionButtonProbe {
public:
    // The caption as it breaks into lines at the button's width; together
    // they give back the caption character for character.
    static QStringList shownLines(const OptionButton* option);
    // The height the lines take, and the widest of them, in pixels.
    static int linesHeight(const OptionButton* option);
    static int widestLine(const OptionButton* option);
    // Room left for the caption beside the round indicator.
    static QRect captionArea(const OptionButton* option);
};
