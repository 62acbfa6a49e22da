#pragma once

#include "app/LabelDesign.h"
#include "app/ScreenKind.h"
#include "app/TwipsRect.h"
#include "screens/anemia/QuestionScreenDesign.h"

#include <optional>
#include <string_view>
#include <vector>

// What one question screen shows and does, as plain data: its labels, its
// options with what each leads to, where its buttons stand, and its size.
// The question-screen widget is built from this; it holds no text of its own.

// A label of a question screen, "Label1", "Label2", ...: the title is large
// and red, an introduction and the prompt are the blue text of the step to take.
constexpr LabelDesign questionLabel(std::string_view name, std::string_view text, LabelRole role, TwipsRect place,
                                    int tabIndex)
{
    const TextLook& look =
        role == LabelRole::Title ? QuestionScreenDesign::titleLook : QuestionScreenDesign::promptLook;
    return {name, text, place, look, Fit::WrapsAtWords, role, tabIndex};
}

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
    std::vector<LabelDesign> labels;
    std::vector<OptionContent> options;
    ButtonContent cmdOK;
    ButtonContent cmdHome;
    ButtonContent cmdExit;

    // The label that states the step to perform.
    const LabelDesign& prompt() const;
};
