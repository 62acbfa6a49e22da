#include "app/SizingArithmetic.h"

namespace SizingArithmetic {

double twipsPerPixel(double logicalDotsPerInch)
{
    // A display that reports no density is taken at the common 96 dpi rather than dividing by zero.
    if (!(logicalDotsPerInch > 0.0))
        logicalDotsPerInch = 96.0;
    return twipsPerInch / logicalDotsPerInch;
}

float scaledExtent(float displayExtentTwips, double sizeFactor)
{
    return static_cast<float>(static_cast<double>(displayExtentTwips) * sizeFactor);
}

float centredOffset(float displayExtentTwips, float windowExtentTwips)
{
    return (displayExtentTwips - windowExtentTwips) / 2;
}

} // namespace SizingArithmetic
