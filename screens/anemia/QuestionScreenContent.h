#pragma once

#include "app/ScreenKind.h"
#include "app/TwipsRect.h"

#include <optional>
#include <string_view>
#include <vector>

// What one question screen shows and does, as plain data: its labels, its
// options with what each leads to, where its buttons stand, and its size.
// The question-screen widget is built from this; it holds no text of its own.

// How a label looks: the large red title, or the blue text of the step to take.
enum class LabelRole {
    Title,        // Times New Roman 20.25 pt bold, red
    Introduction, // prompt look; read before the prompt
    Prompt,       // Times New Roman 12 pt bold, blue: the step to perform
};

struct LabelContent {
    std::string_view name; // "Label1", "Label2", ...
    std::string_view text;
    LabelRole role = LabelRole::Prompt;
    TwipsRect place;
    int tabIndex = 0;
};

// What OK does for a selected option: at most one message box, then either
// the next screen (the current one is unloaded first) or nothing (Stay).
struct Outcome {
    std::optional<std::string_view> message;
    std::optional<ScreenKind> goTo; // nothing: the screen stays with its selection

    bool stays() const { return !goTo.has_value(); }
};

inline Outcome messageThenGoTo(std::string_view message, ScreenKind target)
{
    return {message, target};
}

inline Outcome messageThenStay(std::string_view message)
{
    return {message, std::nullopt};
}

inline Outcome goStraightTo(ScreenKind target)
{
    return {std::nullopt, target};
}

// One finding the user can select. Options are numbered from 1 in the order listed.
struct OptionContent {
    std::string_view caption;
    Outcome outcome;
    TwipsRect place;
    int tabIndex = 0;
};

struct ButtonContent {
    TwipsRect place;
    int tabIndex = 0;
};

struct QuestionScreenContent {
    ScreenKind kind = ScreenKind::FormAnemia1;
    // Share of the display's width and height the window takes when it loads.
    double sizeFactor = 0.75;
    std::vector<LabelContent> labels;
    std::vector<OptionContent> options;
    ButtonContent cmdOK;
    ButtonContent cmdHome;
    ButtonContent cmdExit;

    // The label that states the step to perform.
    const LabelContent& prompt() const;
};
