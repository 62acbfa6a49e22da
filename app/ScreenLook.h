#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>

class QLabel;
class QPushButton;
class QWidget;
struct TwipsRect;

// The look the screens share: colours, fonts, the window icon, and placing
// controls at their design positions.
namespace ScreenLook {

inline const QColor cyan{0, 255, 255};
inline const QColor red{255, 0, 0};
inline const QColor blue{0, 0, 255};
inline const QColor black{0, 0, 0};
inline const QColor magenta{255, 0, 255};
inline const QColor lightYellow{255, 255, 192};

// The typefaces the screens ask for; where the system lacks them, the
// substitutes registered by installFontSubstitutes() stand in.
QFont timesNewRoman(double points, bool bold = true);
QFont msSansSerif(double points, bool bold = true);
QFont arial(double points, bool bold = true);
void installFontSubstitutes();

// Cyan window background of the main window, the question screens and Help.
void paintBackground(QWidget* window, const QColor& colour = cyan);
void setTextColour(QWidget* control, const QColor& colour);

// The icon shared by the question screens and the Help window.
QIcon screenIcon();

// Places a control at its design position in twips.
void place(QWidget* control, const TwipsRect& rect);

// A command button of the screens: 735 x 375 twips unless placed otherwise.
// Enter presses it while it has the focus, as the space bar does.
QPushButton* commandButton(QWidget* window, const QString& caption, const TwipsRect& rect,
                           const QString& toolTip = {});

// A label at its design position; it wraps at word boundaries within its width.
QLabel* label(QWidget* window, const QString& text, const TwipsRect& rect, const QFont& font,
              const QColor& colour);

} // namespace ScreenLook
