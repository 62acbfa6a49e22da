#include "app/Module1.h"

#include "app/ScreenRegistry.h"
#include "app/SizingArithmetic.h"
#include "app/Twips.h"
#include "app/WindowManager.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

namespace Module1 {

namespace {
// Twips of the outer window in pixels of its client area, the frame taken off.
int clientPixels(float outerTwips, double twipsPerPixel, double framePixels)
{
    return static_cast<int>(std::lround(outerTwips / twipsPerPixel - framePixels));
}

} // namespace

void SizeAndCenter(QWidget* window, double sizeFactor)
{
    const QScreen* display = Twips::display();
    if (!display)
        return;
    const double tppX = Twips::perPixelX();
    const double tppY = Twips::perPixelY();
    const QRect whole = display->geometry();
    const QSizeF extent = WindowManager::displaySize(display);
    // The window's height and width are its outer ones, frame and title bar included.
    const QMarginsF frame = WindowManager::frameExtents(window);
    const double frameWidth = frame.left() + frame.right();
    const double frameHeight = frame.top() + frame.bottom();

    const auto displayHeight = static_cast<float>(extent.height() * tppY);
    const float height = SizingArithmetic::scaledExtent(displayHeight, sizeFactor);
    window->resize(window->width(), clientPixels(height, tppY, frameHeight));

    const auto displayWidth = static_cast<float>(extent.width() * tppX);
    const float width = SizingArithmetic::scaledExtent(displayWidth, sizeFactor);
    window->resize(clientPixels(width, tppX, frameWidth), window->height());

    // Read the size back: the toolkit may have adjusted what was asked for, and at
    // a scale such as 150 % the display shows it in whole pixels of its own.
    const double ratio = window->devicePixelRatioF();
    const auto shown = [ratio](int extent) { return std::round(extent * ratio) / ratio; };
    const auto windowHeight = static_cast<float>((shown(window->height()) + frameHeight) * tppY);
    const auto windowWidth = static_cast<float>((shown(window->width()) + frameWidth) * tppX);
    const float left = SizingArithmetic::centredOffset(displayWidth, windowWidth);
    const float top = SizingArithmetic::centredOffset(displayHeight, windowHeight);
    // The outer corner goes to that place. The client area is placed inside the
    // frame, which reads the same to the toolkit and to every window manager,
    // whether or not the window exists on the display yet.
    const QPoint client(whole.x() + clientPixels(left, tppX, -frame.left()),
                        whole.y() + clientPixels(top, tppY, -frame.top()));
    window->setGeometry(QRect(client, window->size()));
}

QWidget* Show(ScreenKind kind)
{
    return ScreenRegistry::instance().show(kind);
}

void Unload(QWidget* window)
{
    ScreenRegistry::instance().unload(window);
}

QWidget* Loaded(ScreenKind kind)
{
    return ScreenRegistry::instance().loaded(kind);
}

void UnloadAllForms()
{
    ScreenRegistry& registry = ScreenRegistry::instance();
    const int n = registry.count();
    for (int i = n - 1; i >= 0; --i) {
        if (i < registry.count())
            registry.unload(registry.at(i));
    }
}

void GoTo(QWidget* from, ScreenKind to)
{
    Unload(from);
    Show(to);
}

void Home(QWidget* from)
{
    GoTo(from, ScreenKind::FormMain);
}

} // namespace Module1
