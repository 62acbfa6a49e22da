#pragma once

#include "app/Colour.h"
#include "app/LabelDesign.h"
#include "app/TableText.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QLabel>

#include <string_view>

class LineControl;
class PictureBox;
class QPushButton;
class QWidget;
struct LineDesign;
struct TwipsRect;

// The look the screens share: colours, fonts, the window icon, placing
// controls at their design positions, and the one way each kind of control
// is built, named as the design names it.
namespace ScreenLook {

QColor qColor(Colour colour);

// The typefaces the screens ask for; where the system lacks them, the
// substitutes of FontSubstitutes stand in.
QFont timesNewRoman(double points, bool bold = true);
QFont msSansSerif(double points, bool bold = true);
QFont arial(double points, bool bold = true);
QFont font(const TextLook& look);

// Cyan window background of the main window, the question screens and Help.
void paintBackground(QWidget* window, Colour colour = cyan);
void setTextColour(QWidget* control, Colour colour);

// The icon shared by the question screens and the Help window.
QIcon screenIcon();

// Places a control at its design position in twips.
void place(QWidget* control, const TwipsRect& rect);

// A command button of the screens: 735 x 375 twips unless placed otherwise.
// Enter presses it while it has the focus, as the space bar does.
QPushButton* commandButton(QWidget* window, std::string_view name, const QString& caption, const TwipsRect& rect,
                           const QString& toolTip = {});

// Gives a label its design's name, look and place; its text it is made with.
void dressLabel(QLabel* control, const LabelDesign& design);

// A label of a screen's design, of the label class the screen asks for.
template <typename Label = QLabel>
Label* label(QWidget* window, const LabelDesign& design)
{
    auto* control = new Label(tableText(design.text), window);
    dressLabel(control, design);
    return control;
}

LineControl* line(QWidget* window, const LineDesign& design);

// A picture box at its design place; a screen reader tells what it shows by its description.
PictureBox* picture(QWidget* window, std::string_view name, const TwipsRect& rect, const QString& description);

} // namespace ScreenLook
