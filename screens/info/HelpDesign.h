#pragma once

#include "app/LabelDesign.h"
#include "app/TwipsRect.h"

#include <array>

// The Help window as designed: texts, places in twips, and look. The five
// questions and their answers stand together, one row a question.
namespace HelpDesign {

inline constexpr double sizeFactor = 0.85;
inline constexpr const char* caption = "Help";

inline constexpr LabelDesign title{"LabelTitle", "Help", {4320, 240, 1215, 615},
                                   {Face::TimesNewRoman, 26.25, true, ScreenLook::red}};

// The questions, the instruction and the answer area share one face and size.
inline constexpr double textPoints = 12;

inline constexpr LabelDesign instruction{"LabelInstruction", "Click on a question below to obtain help",
                                         {3000, 1080, 4935, 375},
                                         {Face::MsSansSerif, textPoints, true, ScreenLook::blue}};

// A question stands in black until asked.
inline constexpr TextLook questionLook{Face::MsSansSerif, textPoints, true, ScreenLook::black};

// A question as its label shows it, with the answer it is given.
struct QuestionDesign {
    LabelDesign label;
    const char* answer;
};

// Questions 1 to 3 in the left column, 4 and 5 in the right one.
inline constexpr std::array<QuestionDesign, 5> questions{{
    {{"Label1", "How do I start the application ?", {600, 1800, 3855, 375}, questionLook},
     "You can start the application by clicking on its icon in the Start Menu."},
    {{"Label2", "How do I use the application ?", {600, 2280, 3855, 375}, questionLook},
     "You have to select an item from the list in the combination box, and then click OK. You "
     "will be offered some choices. Click on the appropiate one and then click OK. Continue in "
     "this way until the final answer is offered to you. Click OK on the message box to close it."},
    {{"Label3", "How do I end the application ?", {600, 2760, 3855, 375}, questionLook},
     "You have to click on Exit to close the application."},
    {{"Label4", "How do I use Help ?", {5040, 1800, 2535, 375}, questionLook},
     "You have to click Help in the startup screen to obtain help."},
    {{"Label5", "How do I find details of the application ?", {5040, 2280, 4935, 375}, questionLook},
     "You have to check About in the Startup screen to open the About dialog box. It will also "
     "give you information about your computer system."},
}};

// The answer area: empty at load, light yellow, its text centred in the toolkit's own colour.
inline constexpr LabelDesign answerArea{"LabelA", "", {480, 4080, 8415, 1455},
                                        {Face::MsSansSerif, textPoints, true, std::nullopt, Align::Centre}};

inline constexpr const char* homeCaption = "&Home";
inline constexpr TwipsRect homePlace{9120, 4320, 735, 375};

inline constexpr const char* exitCaption = "&Exit";
inline constexpr TwipsRect exitPlace{9120, 4800, 735, 375};

} // namespace HelpDesign
