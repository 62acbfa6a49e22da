#pragma once

#include "app/ScreenKind.h"

#include <QList>
#include <QRect>
#include <QMessageBox>
#include <QString>

#include <functional>
#include <string_view>
#include <vector>

class FormMain;
class OptionButton;
class QLabel;
class QWidget;
class Screen;

// What a test saw of one message box before it closed it with OK.
struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString accessibleDescription;
    bool modal = false;
    // Which screens were on view while the box was open.
    QList<ScreenKind> visibleScreens;
};

namespace ScreenTestHelpers {

// Readies the toolkit as the program does and drops every screen left by an
// earlier case; the pictures are read from the project's assets.
void startClean();

// How often the program would have ended since startClean().
int programEnds();
// Runs the action, instead of counting, whenever the program would end; until the next startClean().
void onProgramEnd(std::function<void()> action);

// Makes the screens with the given factory instead of the program's own; until the next startClean().
void useFactory(std::function<Screen*(ScreenKind)> factory);
// Has the program's own factory tell of every screen as it loads it.
void onEveryLoad(std::function<void(ScreenKind)> loading);

// Unloads every screen and lets the unloads finish; for the end of a test case.
void dropAllScreens();

// The kinds of the loaded screens, in load order, and how many they are.
std::vector<ScreenKind> loadOrder();
int loadedCount();
bool isLoaded(ScreenKind kind);
// The windows of the loaded screens, in load order; null for one that is gone.
QList<QWidget*> loadedWindows();

// Runs the action and lets its unloads finish; gives the kinds it unloaded, in the order it unloaded them.
QList<ScreenKind> unloadedBy(const std::function<void()>& action);

// Lets pending unloads finish deleting their windows, and queued checks run.
void settle();

// Runs the action, reading and closing (with OK) every message box it opens.
QList<SeenBox> answeringBoxes(const std::function<void()>& action);

// The control of that object name on the window, however deep it lies; null when there is none.
template <typename T = QWidget>
T* findControl(const QObject* window, std::string_view name)
{
    return window ? window->findChild<T*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))
                  : nullptr;
}

// Label1, Label2, … and Option1, Option2, … of a question screen by their number from 1, and how many it has.
QLabel* labelNumbered(const QWidget* screen, int number);
OptionButton* optionNumbered(const QWidget* screen, int number);
int labelCount(const QWidget* screen);
int optionCount(const QWidget* screen);

// The loaded screen of a kind, cast to its class; null when not loaded.
template <typename T>
T* loadedScreen(ScreenKind kind);

QWidget* loadedWindow(ScreenKind kind);

// Shows the main window, loading it when it is not loaded, and returns it.
FormMain* openMainWindow();

// Makes the window the active one, as the doctor's click on it would, so that
// its access keys (Alt+H, Alt+E, …) reach it.
bool makeActive(QWidget* window);

// The whole window as the desktop draws it, frame and title bar included (the
// toolkit's own frame geometry leaves out Windows' invisible borders).
QRect outerGeometry(QWidget* window);

// The kinds of the loaded screens that are visible, in load order.
QList<ScreenKind> visibleScreens();

} // namespace ScreenTestHelpers

template <typename T>
T* ScreenTestHelpers::loadedScreen(ScreenKind kind)
{
    return dynamic_cast<T*>(loadedWindow(kind));
}
