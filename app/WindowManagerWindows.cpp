#include "app/WindowManager.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// On Windows the system draws each frame from the window's styles, which the
// toolkit gives the window as it makes it; the frame is known before the
// window is first shown, and nothing need be asked.

QSizeF WindowManager::displaySize(const QScreen* display)
{
    // The monitor's own pixels, which the toolkit rounds at a scale such as
    // 150 %. The toolkit keeps each screen's top-left corner in them.
    const QPoint corner = display->geometry().topLeft();
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const HMONITOR monitor = MonitorFromPoint(POINT{corner.x(), corner.y()}, MONITOR_DEFAULTTONULL);
    if (!monitor || !GetMonitorInfoW(monitor, &info))
        return display->geometry().size();
    const QSizeF pixels(info.rcMonitor.right - info.rcMonitor.left, info.rcMonitor.bottom - info.rcMonitor.top);
    return pixels / display->devicePixelRatio();
}

QMarginsF WindowManager::frameExtents(QWidget* window)
{
    // The whole frame, as GetWindowRect reports the window. The toolkit leaves
    // out the resize borders that Windows 10 and 11 draw invisible; the
    // window's rectangle, which the screen's share is of, holds them.
    const auto id = reinterpret_cast<HWND>(window->winId());
    RECT frame{0, 0, 0, 0};
    if (!AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(id, GWL_STYLE)), FALSE,
                                  static_cast<DWORD>(GetWindowLongPtrW(id, GWL_EXSTYLE)), GetDpiForWindow(id)))
        return {};
    const double ratio = window->devicePixelRatioF();
    return QMarginsF(-frame.left, -frame.top, frame.right, frame.bottom) / ratio;
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
