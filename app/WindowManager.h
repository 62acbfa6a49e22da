#pragma once

#include <QMarginsF>
#include <QSizeF>

class QScreen;
class QWidget;

// What the desktop's window manager is asked about a top-level window before
// the window is first shown: on X11 the window manager of the desktop, on
// Windows the system itself. Where there is none to ask (offscreen, a Wayland
// compositor) there is no frame. One file for each kind of desktop.
class WindowManager {
public:
    // The display's size in the toolkit's pixels, unrounded: at a scale such as
    // 150 % the toolkit reports it rounded to whole pixels, which would put a
    // centred window up to a pixel and a half off centre.
    static QSizeF displaySize(const QScreen* display);

    // The frame and title bar the window manager draws, or will draw, around
    // the window, in the toolkit's pixels; none when no window manager answers in time.
    static QMarginsF frameExtents(QWidget* window);

    // Asks taskbars and pagers to leave the window out.
    static void keepOffTaskbar(QWidget* window);
};
