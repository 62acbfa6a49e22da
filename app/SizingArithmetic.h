#pragma once

// The arithmetic of sizing and centring a screen on the display, kept apart
// from any window so it can be checked against the worked figures.
namespace SizingArithmetic {

inline constexpr double twipsPerInch = 1440.0;

// Twips in one pixel at the given logical dots per inch (15 at 96 dpi).
double twipsPerPixel(double logicalDotsPerInch);

// A window extent as a share of the display: formed in double precision,
// held as single-precision twips.
float scaledExtent(float displayExtentTwips, double sizeFactor);

// The offset that centres a window extent on the display extent.
float centredOffset(float displayExtentTwips, float windowExtentTwips);

} // namespace SizingArithmetic
