#pragma once

#include "app/ScreenKind.h"

class QWidget;

// The conventions every screen shares: sizing and centring at load, moving
// from one screen to the next, Home and Exit, and ending the program.
namespace Module1 {

// Sizes the window to a share of the whole display and centres it.
void SizeAndCenter(QWidget* window, double sizeFactor);

// Unloads every loaded screen, from the most recently loaded to the earliest;
// the program ends once none is left.
void UnloadAllForms();

// Leaves the screen by unloading it, then shows the next one.
void GoTo(QWidget* from, ScreenKind to);

// Leaves the screen for the main window, which is shown as it was left.
void Home(QWidget* from);

} // namespace Module1
