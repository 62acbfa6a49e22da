#include "app/Twips.h"

#include "app/SizingArithmetic.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace Twips {

QScreen* display()
{
    return QGuiApplication::primaryScreen();
}

double perPixelX()
{
    const QScreen* screen = display();
    return SizingArithmetic::twipsPerPixel(screen ? screen->logicalDotsPerInchX() : 0.0);
}

double perPixelY()
{
    const QScreen* screen = display();
    return SizingArithmetic::twipsPerPixel(screen ? screen->logicalDotsPerInchY() : 0.0);
}

int toPixelsX(double twips)
{
    return static_cast<int>(std::lround(twips / perPixelX()));
}

int toPixelsY(double twips)
{
    return static_cast<int>(std::lround(twips / perPixelY()));
}

QRect toPixels(const TwipsRect& rect)
{
    return {toPixelsX(rect.left), toPixelsY(rect.top), toPixelsX(rect.width), toPixelsY(rect.height)};
}

} // namespace Twips
