#pragma once

#include <array>
#include <cstddef>
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

struct ScreenKindName {
    ScreenKind kind;
    std::string_view name;
};

// The one list of the screens, in the order of the enumeration, with the name
// each goes by; every other list of screens is drawn from it.
inline constexpr std::array screenKindTable{
    ScreenKindName{ScreenKind::FormMain, "FormMain"},
    ScreenKindName{ScreenKind::FormAnemia1, "FormAnemia1"},
    ScreenKindName{ScreenKind::FormAnemia2, "FormAnemia2"},
    ScreenKindName{ScreenKind::FormAnemia3, "FormAnemia3"},
    ScreenKindName{ScreenKind::FormAnemia4, "FormAnemia4"},
    ScreenKindName{ScreenKind::FormAnemia5, "FormAnemia5"},
    ScreenKindName{ScreenKind::FormAnemia6, "FormAnemia6"},
    ScreenKindName{ScreenKind::FormAnemia7, "FormAnemia7"},
    ScreenKindName{ScreenKind::FormAnemia8, "FormAnemia8"},
    ScreenKindName{ScreenKind::FormAnemia9, "FormAnemia9"},
    ScreenKindName{ScreenKind::FormAnemia10, "FormAnemia10"},
    ScreenKindName{ScreenKind::FormAnemia11, "FormAnemia11"},
    ScreenKindName{ScreenKind::FormAnemia12, "FormAnemia12"},
    ScreenKindName{ScreenKind::FormAnemia13, "FormAnemia13"},
    ScreenKindName{ScreenKind::frmSplash, "frmSplash"},
    ScreenKindName{ScreenKind::frmHelp, "frmHelp"},
    ScreenKindName{ScreenKind::frmAbout, "frmAbout"},
};

static_assert(
    [] {
        for (std::size_t i = 0; i < screenKindTable.size(); ++i) {
            if (static_cast<std::size_t>(screenKindTable[i].kind) != i)
                return false;
        }
        return static_cast<std::size_t>(ScreenKind::frmAbout) + 1 == screenKindTable.size();
    }(),
    "screenKindTable lists every screen kind once, in the order of the enumeration");

inline constexpr std::array<ScreenKind, screenKindTable.size()> allScreenKinds = [] {
    std::array<ScreenKind, screenKindTable.size()> kinds{};
    for (std::size_t i = 0; i < kinds.size(); ++i)
        kinds[i] = screenKindTable[i].kind;
    return kinds;
}();

// The name the screen goes by, e.g. "FormAnemia7".
constexpr std::string_view screenName(ScreenKind kind)
{
    const auto index = static_cast<std::size_t>(kind);
    return index < screenKindTable.size() ? screenKindTable[index].name : std::string_view("unknown");
}
