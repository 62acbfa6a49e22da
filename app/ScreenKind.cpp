#include "app/ScreenKind.h"

std::string_view screenName(ScreenKind kind)
{
    switch (kind) {
    case ScreenKind::FormMain: return "FormMain";
    case ScreenKind::FormAnemia1: return "FormAnemia1";
    case ScreenKind::FormAnemia2: return "FormAnemia2";
    case ScreenKind::FormAnemia3: return "FormAnemia3";
    case ScreenKind::FormAnemia4: return "FormAnemia4";
    case ScreenKind::FormAnemia5: return "FormAnemia5";
    case ScreenKind::FormAnemia6: return "FormAnemia6";
    case ScreenKind::FormAnemia7: return "FormAnemia7";
    case ScreenKind::FormAnemia8: return "FormAnemia8";
    case ScreenKind::FormAnemia9: return "FormAnemia9";
    case ScreenKind::FormAnemia10: return "FormAnemia10";
    case ScreenKind::FormAnemia11: return "FormAnemia11";
    case ScreenKind::FormAnemia12: return "FormAnemia12";
    case ScreenKind::FormAnemia13: return "FormAnemia13";
    case ScreenKind::frmSplash: return "frmSplash";
    case ScreenKind::frmHelp: return "frmHelp";
    case ScreenKind::frmAbout: return "frmAbout";
    }
    return "unknown";
}

std::optional<ScreenKind> anemiaScreen(int number)
{
    if (number < 1 || number > anemiaScreenCount)
        return std::nullopt;
    return static_cast<ScreenKind>(static_cast<int>(ScreenKind::FormAnemia1) + number - 1);
}

std::optional<int> anemiaScreenNumber(ScreenKind kind)
{
    const int offset = static_cast<int>(kind) - static_cast<int>(ScreenKind::FormAnemia1);
    if (offset < 0 || offset >= anemiaScreenCount)
        return std::nullopt;
    return offset + 1;
}
