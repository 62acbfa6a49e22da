#pragma once

#include "app/ScreenKind.h"

class QWidget;

// The conventions every screen shares: sizing and centring at load, moving
// from one screen to the next, Home and Exit, and ending the program. Every
// change of screen goes through here.
namespace Module1 {

// Sizes the window to a share of the whole display and centres it.
void SizeAndCenter(QWidget* window, double sizeFactor);

// Shows a screen modeless, loading it first when it is not loaded; a shown
// one comes to the front. Returns its window, null when it could not be made.
QWidget* Show(ScreenKind kind);

// Unloads the screen at once; one that is not loaded is left alone. Should
// nothing be left on view, the main window comes back; with nothing left
// loaded, the program ends.
void Unload(QWidget* window);

// The window of the loaded screen of that kind, null when it is not loaded.
QWidget* Loaded(ScreenKind kind);

// Unloads every loaded screen, from the most recently loaded to the earliest;
// the program ends once none is left.
void UnloadAllForms();

// Leaves the screen by unloading it, then shows the next one.
void GoTo(QWidget* from, ScreenKind to);

// Leaves the screen for the main window, which is shown as it was left.
void Home(QWidget* from);

} // namespace Module1
