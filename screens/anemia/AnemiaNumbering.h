#pragma once

#include "app/ScreenKind.h"

#include <optional>
#include <string_view>

// The Anemia question screens go by number, FormAnemia1 to FormAnemia13.
inline constexpr int anemiaScreenCount = 13;

namespace AnemiaNumberingCheck {
// The number a name such as "FormAnemia7" carries, or 0 for any other name.
constexpr int numberInName(std::string_view name)
{
    constexpr std::string_view stem = "FormAnemia";
    if (name.substr(0, stem.size()) != stem || name.size() == stem.size())
        return 0;
    int number = 0;
    for (const char digit : name.substr(stem.size())) {
        if (digit < '0' || digit > '9')
            return 0;
        number = number * 10 + (digit - '0');
    }
    return number;
}
} // namespace AnemiaNumberingCheck

// The numbering counts on the thirteen kinds standing together, in the order of their numbers.
static_assert(
    [] {
        const int first = static_cast<int>(ScreenKind::FormAnemia1);
        for (int number = 1; number <= anemiaScreenCount; ++number) {
            if (AnemiaNumberingCheck::numberInName(screenName(static_cast<ScreenKind>(first + number - 1))) != number)
                return false;
        }
        int named = 0;
        for (const ScreenKindName& entry : screenKindTable)
            named += AnemiaNumberingCheck::numberInName(entry.name) != 0 ? 1 : 0;
        return named == anemiaScreenCount;
    }(),
    "FormAnemia1 to FormAnemia13 stand together in ScreenKind, in the order of their numbers");

// FormAnemia1 .. FormAnemia13 by number; nothing for a number outside 1..13.
constexpr std::optional<ScreenKind> anemiaScreen(int number)
{
    if (number < 1 || number > anemiaScreenCount)
        return std::nullopt;
    return static_cast<ScreenKind>(static_cast<int>(ScreenKind::FormAnemia1) + number - 1);
}

// The number of an Anemia question screen (1..13), or nothing for the other screens.
constexpr std::optional<int> anemiaScreenNumber(ScreenKind kind)
{
    const int offset = static_cast<int>(kind) - static_cast<int>(ScreenKind::FormAnemia1);
    if (offset < 0 || offset >= anemiaScreenCount)
        return std::nullopt;
    return offset + 1;
}
