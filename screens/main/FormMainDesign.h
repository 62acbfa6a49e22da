#pragma once

#include "app/LabelDesign.h"
#include "app/LineDesign.h"
#include "app/TwipsRect.h"

// The main window as designed: texts, places in twips, and look.
namespace FormMainDesign {

inline constexpr double sizeFactor = 0.95;
inline constexpr const char* caption = "Nuvessa";

inline constexpr LabelDesign title{"Label2", " Nuvessa", {1800, 720, 9135, 855},
                                   {Face::TimesNewRoman, 36, true, ScreenLook::red}};

inline constexpr LabelDesign instruction{
    "Label3", "Select an item from the drop down list in the combination box, and then click OK",
    {1920, 2040, 8055, 975}, {Face::TimesNewRoman, 20.25, true, ScreenLook::blue}};

inline constexpr const char* okCaption = "OK";
inline constexpr const char* okToolTip = "Click to accept selection in combination box";
inline constexpr TwipsRect okPlace{9960, 3240, 735, 375};

inline constexpr const char* helpCaption = "&Help";
inline constexpr const char* helpToolTip = "Click to obtain help";
inline constexpr TwipsRect helpPlace{9960, 3840, 735, 375};

inline constexpr const char* aboutCaption = "A&bout";
inline constexpr const char* aboutToolTip = "Click to obtain information about the program";
inline constexpr TwipsRect aboutPlace{9960, 4440, 735, 375};

inline constexpr const char* exitCaption = "&Exit";
inline constexpr const char* exitToolTip = "Click to close the application";
inline constexpr TwipsRect exitPlace{9960, 5040, 735, 375};

inline constexpr const char* topicListText = "Topic List";
inline constexpr const char* topicListToolTip =
    "Click on the downward pointing arrow at the right of this box and select the topic of "
    "your interest from the drop-down list.";
inline constexpr TwipsRect topicListPlace{4080, 3240, 5295, 315};

// Line1, red, from (1920, 1680) to (9960, 1680).
inline constexpr LineDesign line{"Line1", 1920, 9960, 1680, ScreenLook::red, 5};

inline constexpr const char* pictureFileName = "Ut1.jpg";
// What a screen reader says of the picture (it names the role itself): what it shows.
inline constexpr const char* pictureDescription = "A mother holding her child";
inline constexpr TwipsRect picturePlace{720, 3240, 2895, 3255};

inline constexpr const char* nothingSelectedWarning =
    "Nothing is selected! You have to select an item from the drop-down list in the combination "
    "box and then click OK.";

// Shown for a topic that this version holds no walk for; %1 is the topic's name.
inline constexpr const char* noGuidanceNotice =
    "This version of Nuvessa holds no guidance for the topic \"%1\".";

} // namespace FormMainDesign
