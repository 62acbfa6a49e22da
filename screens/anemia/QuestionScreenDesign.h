#pragma once

#include "app/LabelDesign.h"

// What every question screen of the Anemia tree shares, whatever its content.
namespace QuestionScreenDesign {

inline constexpr const char* caption = "Anemia";

inline constexpr const char* okCaption = "OK";
inline constexpr const char* homeCaption = "&Home";
inline constexpr const char* exitCaption = "&Exit";
inline constexpr const char* okToolTip = "Click to accept selection of option button";
// Home carries OK's tooltip word for word; doctors know the screens as they are.
inline constexpr const char* homeToolTip = "Click to accept selection of option button";
inline constexpr const char* exitToolTip = "Click to end the program";

inline constexpr const char* nothingSelectedWarning =
    "Nothing is selected. You have to select one item by clicking on its radio button and then click OK.";

inline constexpr double titlePoints = 20.25;
inline constexpr double promptPoints = 12;
inline constexpr double optionPoints = 8.25;

inline constexpr TextLook titleLook{Face::TimesNewRoman, titlePoints, true, ScreenLook::red};
inline constexpr TextLook promptLook{Face::TimesNewRoman, promptPoints, true, ScreenLook::blue};

} // namespace QuestionScreenDesign
