#pragma once

#include "app/LabelDesign.h"
#include "app/LineDesign.h"
#include "app/TwipsRect.h"

#include <array>

// The About box as designed: client size and place on the screen, texts,
// places in twips and look.
namespace AboutDesign {

inline constexpr const char* caption = "About MyApp";

// The client area, and where its top-left corner stands on the screen.
inline constexpr TwipsRect clientPlace{2340, 1935, 5730, 4350};

// The face the box's labels fall back to when none of their own is given.
inline constexpr double defaultPoints = 8.25;

// Every label is black and wraps at word boundaries within its width.
inline constexpr TextLook titleLook{Face::MsSansSerif, 12, true, ScreenLook::black};
inline constexpr TextLook textLook{Face::MsSansSerif, defaultPoints, false, ScreenLook::black};

inline constexpr const char* titleText = "Nuvessa";
inline constexpr const char* versionText = "Version 1.0";
inline constexpr const char* descriptionText =
    "This program is used to obtain a diagnosis based on the patient's history, examination "
    "findings, and invesigation findings supplied to the computer, and then to make a decision "
    "about the management options available in that situation.";
// The program's legal notice; it names no person.
inline constexpr const char* disclaimerText =
    "Warning: this program supports, and does not replace, the clinical judgement of a "
    "qualified doctor. The doctor who treats the patient remains responsible for every "
    "diagnosis and every decision on management.";

inline constexpr std::array<LabelDesign, 4> labels{{
    {"lblTitle", titleText, {360, 240, 2925, 480}, titleLook},
    {"lblVersion", versionText, {600, 840, 1125, 225}, textLook},
    {"lblDescription", descriptionText, {240, 1125, 4725, 1170}, textLook},
    {"lblDisclaimer", disclaimerText, {255, 2625, 3870, 1170}, textLook},
}};

inline constexpr const char* okCaption = "OK";
inline constexpr TwipsRect okPlace{4245, 2625, 1260, 345};

inline constexpr const char* sysInfoCaption = "&System Info...";
inline constexpr TwipsRect sysInfoPlace{4260, 3075, 1245, 345};

// The etched separator across the box: a grey line with a white one just below.
// Line1(0), white, 2 pixels wide.
inline constexpr LineDesign highlightLine{"Line1_0", 105, 5654, 2460, ScreenLook::white, 2};
// Line1(1), grey, 1 pixel drawn inside its bounds.
inline constexpr LineDesign shadowLine{"Line1_1", 90, 5654, 2445, ScreenLook::grey, 1};

inline constexpr const char* sysInfoUnavailableMessage = "System Information Is Unavailable At This Time";

} // namespace AboutDesign
