#include "app/WindowManager.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

// On Windows the system draws each frame from the window's styles, which the
// toolkit gives the window as it makes it; the toolkit then knows the frame
// before the window is first shown, and nothing need be asked.

QSizeF WindowManager::displaySize(const QScreen* display)
{
    return display->geometry().size();
}

QMarginsF WindowManager::frameExtents(QWidget* window)
{
    window->winId();
    const QWindow* handle = window->windowHandle();
    return handle ? QMarginsF(handle->frameMargins()) : QMarginsF();
}

void WindowManager::keepOffTaskbar(QWidget*)
{
    // Windows gives every window without an owner a taskbar button, and these
    // windows have none here: the splash screen and the About box keep theirs.
}
