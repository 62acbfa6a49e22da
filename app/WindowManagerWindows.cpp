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

void WindowManager::keepOffTaskbar(QWidget* window)
{
    // Windows gives a taskbar button to every shown window that has no owner.
    // These windows are owned by one window of the program's that is never
    // shown, and so has no button either; the toolkit hands the owner to
    // Windows each time the window is shown.
    static QWidget* const owner = [] {
        auto* hidden = new QWidget(nullptr, Qt::Tool);
        hidden->setObjectName(QStringLiteral("TaskbarOwner"));
        hidden->winId();
        return hidden;
    }();
    window->winId();
    if (QWindow* handle = window->windowHandle())
        handle->setTransientParent(owner->windowHandle());
}
