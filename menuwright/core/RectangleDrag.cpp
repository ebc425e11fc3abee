#include "RectangleDrag.h"

#include <cmath>

namespace menuwright {

namespace {

int wholePixels(double twips)
{
    return static_cast<int>(std::floor(twips / RectangleDrag::kTwipsPerPixel));
}

} // namespace

void RectangleDrag::press(double xTwips, double yTwips)
{
    grabX_ = static_cast<long>(std::floor(xTwips));
    grabY_ = static_cast<long>(std::floor(yTwips));
}

RectangleGeometry RectangleDrag::move(const RectangleGeometry& current, bool leftHeld, bool rightHeld,
    double xTwips, double yTwips) const
{
    RectangleGeometry r = current;
    if (leftHeld) {
        r.top += wholePixels(yTwips - static_cast<double>(grabY_));
        r.left += wholePixels(xTwips - static_cast<double>(grabX_));
    }
    if (rightHeld) {
        if (yTwips >= 0)
            r.height = wholePixels(yTwips);
        if (xTwips >= 0)
            r.width = wholePixels(xTwips);
    }
    return r;
}

std::array<std::string, 4> coordinateTexts(const RectangleGeometry& rectangle)
{
    return {std::to_string(rectangle.left), std::to_string(rectangle.top), std::to_string(rectangle.width),
        std::to_string(rectangle.height)};
}

} // namespace menuwright
