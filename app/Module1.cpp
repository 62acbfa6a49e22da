#include "app/Module1.h"

#include "app/ScreenRegistry.h"
#include "app/SizingArithmetic.h"
#include "app/Twips.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

namespace Module1 {

namespace {
int pixels(float twips, double twipsPerPixel)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
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
    // The frame is part of the window's outer size; before the first show the
    // toolkit may not know it yet, and then the two sizes are the same.
    const QSize frameExtra = window->frameGeometry().size() - window->geometry().size();

    const auto displayHeight = static_cast<float>(whole.height() * tppY);
    const float height = SizingArithmetic::scaledExtent(displayHeight, sizeFactor);
    window->resize(window->width(), pixels(height, tppY) - frameExtra.height());

    const auto displayWidth = static_cast<float>(whole.width() * tppX);
    const float width = SizingArithmetic::scaledExtent(displayWidth, sizeFactor);
    window->resize(pixels(width, tppX) - frameExtra.width(), window->height());

    // Read the outer size back: the toolkit may have adjusted what was asked for.
    const auto windowHeight = static_cast<float>(window->frameGeometry().height() * tppY);
    const auto windowWidth = static_cast<float>(window->frameGeometry().width() * tppX);
    const float left = SizingArithmetic::centredOffset(displayWidth, windowWidth);
    const float top = SizingArithmetic::centredOffset(displayHeight, windowHeight);
    window->move(whole.x() + pixels(left, tppX), whole.y() + pixels(top, tppY));
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
    ScreenRegistry& registry = ScreenRegistry::instance();
    registry.unload(from);
    registry.show(to);
}

void Home(QWidget* from)
{
    GoTo(from, ScreenKind::FormMain);
}

} // namespace Module1
