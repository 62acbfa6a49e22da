#pragma once

#include "app/TwipsRect.h"

#include <QRect>

class QScreen;

// Converts the twips of the screen designs into the pixels of the display the
// program runs on, at its logical density (15 twips a pixel at 96 dpi).
namespace Twips {

QScreen* display();
double perPixelX();
double perPixelY();
int toPixelsX(double twips);
int toPixelsY(double twips);
QRect toPixels(const TwipsRect& rect);

} // namespace Twips
