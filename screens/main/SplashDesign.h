#pragma once

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

enum class Align { Left, Right };

struct LabelDesign {
    const char* name;
    const char* text;
    TwipsRect place;
    double points;
    bool bold;
    int red, green, blue;
    Align align;
    bool sizesToText;
};

// Top to bottom. The product line, the line below it and the institution line
// name no person; the last line is the program's legal notice.
inline constexpr LabelDesign labels[] = {
    {"lblCompanyProduct", "Decision aid", {2520, 600, 2070, 330}, 14.25, true, 255, 0, 255, Align::Left, true},
    {"lblProductName", "Nuvessa", {2520, 1080, 3870, 435}, 18, true, 0, 0, 255, Align::Left, true},
    {"lblCopyright", "Problems in pregnancy", {2400, 1920, 3735, 255}, 9.75, true, 0, 0, 0, Align::Left, false},
    {"lblCompany", "For doctors in obstetric practice", {2400, 2280, 4455, 255}, 8.25, true, 0, 0, 0, Align::Left, false},
    {"lblPlatform", "Windows 95, 98, ME", {2640, 2640, 2265, 285}, 12, true, 0, 0, 0, Align::Right, true},
    {"lblVersion", "Version 1.0", {2760, 3000, 1050, 240}, 9.75, true, 0, 0, 0, Align::Right, true},
    {"lblWarning", "Supports, and does not replace, the clinical judgement of a qualified doctor.",
     {120, 3600, 6855, 255}, 8.25, false, 0, 0, 0, Align::Left, false},
};

} // namespace SplashDesign
