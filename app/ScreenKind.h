#pragma once

#include <array>
#include <optional>
#include <string_view>

// Every kind of screen the program has; each exists at most once at a time.
enum class ScreenKind {
    FormMain,
    FormAnemia1,
    FormAnemia2,
    FormAnemia3,
    FormAnemia4,
    FormAnemia5,
    FormAnemia6,
    FormAnemia7,
    FormAnemia8,
    FormAnemia9,
    FormAnemia10,
    FormAnemia11,
    FormAnemia12,
    FormAnemia13,
    frmSplash,
    frmHelp,
    frmAbout,
};

inline constexpr std::array allScreenKinds{
    ScreenKind::FormMain,     ScreenKind::FormAnemia1,  ScreenKind::FormAnemia2,
    ScreenKind::FormAnemia3,  ScreenKind::FormAnemia4,  ScreenKind::FormAnemia5,
    ScreenKind::FormAnemia6,  ScreenKind::FormAnemia7,  ScreenKind::FormAnemia8,
    ScreenKind::FormAnemia9,  ScreenKind::FormAnemia10, ScreenKind::FormAnemia11,
    ScreenKind::FormAnemia12, ScreenKind::FormAnemia13, ScreenKind::frmSplash,
    ScreenKind::frmHelp,      ScreenKind::frmAbout,
};

inline constexpr int anemiaScreenCount = 13;

// The name the screen goes by, e.g. "FormAnemia7".
std::string_view screenName(ScreenKind kind);

// FormAnemia1 .. FormAnemia13 by number; nothing for a number outside 1..13.
std::optional<ScreenKind> anemiaScreen(int number);

// The number of an Anemia question screen (1..13), or nothing for the other screens.
std::optional<int> anemiaScreenNumber(ScreenKind kind);
