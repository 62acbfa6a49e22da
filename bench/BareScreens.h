#pragma once

#include <QString>

class QWidget;
struct QuestionScreenContent;

// The same windows built straight with the toolkit, with none of the
// program's own machinery: the floor each figure of the program is set against.
namespace BareScreens {

// A frameless window with the splash screen's box, picture and seven lines of
// text at their places, centred on the display.
QWidget* splashScreen(const QString& picturePath);

// A window with the main window's controls: two labels, four buttons, the
// editable list of 73 topics, a line and the picture, sized to 0.95 of the display.
QWidget* mainWindow(const QString& picturePath);

// A window with a question screen's labels, option buttons (Option1, ...) and
// three buttons (cmdOK first); what OK does is up to the caller.
QWidget* questionScreen(const QuestionScreenContent& content);

// Sizes and centres a window on the display as a share of its extent.
void sizeAndCentre(QWidget* window, double factor);

} // namespace BareScreens
