#pragma once

#include "app/LabelDesign.h"
#include "app/TwipsRect.h"

// The splash screen as designed: client size, texts, places in twips and look.
// Every control but Frame1 lies inside Frame1, placed relative to it.
namespace SplashDesign {

inline constexpr int clientWidth = 7380;
inline constexpr int clientHeight = 4245;
inline constexpr int timerIntervalMs = 8000;

inline constexpr TwipsRect framePlace{150, 60, 7080, 4050};

inline constexpr const char* pictureFileName = "UT2.jpg";
// What a screen reader says of the picture (it names the role itself): what it shows.
inline constexpr const char* pictureDescription = "A mother holding her child, beside a drop of blood";
inline constexpr TwipsRect picturePlace{240, 1200, 1935, 1575};

// Top to bottom, each in Arial on one line. The product line, the line below
// it and the institution line name no person; the last line is the program's
// legal notice.
inline constexpr LabelDesign labels[] = {
    {"lblCompanyProduct", "Decision aid", {2520, 600, 2070, 330},
     {Face::Arial, 14.25, true, ScreenLook::magenta, Align::Left}, Fit::SizesToText},
    {"lblProductName", "Nuvessa", {2520, 1080, 3870, 435},
     {Face::Arial, 18, true, ScreenLook::blue, Align::Left}, Fit::SizesToText},
    {"lblCopyright", "Problems in pregnancy", {2400, 1920, 3735, 255},
     {Face::Arial, 9.75, true, ScreenLook::black, Align::Left}, Fit::OneLine},
    {"lblCompany", "For doctors in obstetric practice", {2400, 2280, 4455, 255},
     {Face::Arial, 8.25, true, ScreenLook::black, Align::Left}, Fit::OneLine},
    {"lblPlatform", "Windows 95, 98, ME", {2640, 2640, 2265, 285},
     {Face::Arial, 12, true, ScreenLook::black, Align::Right}, Fit::SizesToText},
    {"lblVersion", "Version 1.0", {2760, 3000, 1050, 240},
     {Face::Arial, 9.75, true, ScreenLook::black, Align::Right}, Fit::SizesToText},
    {"lblWarning", "Supports, and does not replace, the clinical judgement of a qualified doctor.",
     {120, 3600, 6855, 255}, {Face::Arial, 8.25, false, ScreenLook::black, Align::Left}, Fit::OneLine},
};

} // namespace SplashDesign
