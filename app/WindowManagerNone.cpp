#include "app/WindowManager.h"

#include <QScreen>

// Built where no X11 client library is at hand: no window manager is asked,
// and every frame counts as none.

QSizeF WindowManager::displaySize(const QScreen* display)
{
    return display->geometry().size();
}

QMarginsF WindowManager::frameExtents(QWidget*)
{
    return {};
}

void WindowManager::keepOffTaskbar(QWidget*)
{
}
