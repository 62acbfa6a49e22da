#pragma once

#include <QMarginsF>

class QWidget;

// What the window manager of an X11 desktop is asked about a top-level window
// before the window is first shown. Where the program does not run on X11
// (offscreen, a Wayland compositor) nothing is asked and there is no frame.
class X11WindowManager {
public:
    // The frame and title bar the window manager will draw around the window,
    // in the toolkit's pixels; none when no window manager answers in time.
    static QMarginsF frameExtents(QWidget* window);

    // Asks taskbars and pagers to leave the window out.
    static void keepOffTaskbar(QWidget* window);
};
