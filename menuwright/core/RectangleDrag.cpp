// SPDX-License-Identifier: GPL-3.0-or-later
#include "RectangleDrag.h"

#include "menuwright/menufile/CoordinateText.h"

#include <algorithm>
#include <cmath>

namespace menuwright {

namespace {

int wholePixels(double twips)
{
    return static_cast<int>(std::floor(twips / RectangleDrag::kTwipsPerPixel));
}

int pictureNumber(const std::string& text, double low)
{
    const double value = wholeCoordinate(text);
    if (std::isnan(value))
        return static_cast<int>(low);
    return static_cast<int>(std::clamp(value, low, 100000.0));
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

RectangleGeometry geometryFromTexts(const std::string& left, const std::string& top, const std::string& width,
    const std::string& height)
{
    return {pictureNumber(left, -100000.0), pictureNumber(top, -100000.0), pictureNumber(width, 0.0),
        pictureNumber(height, 0.0)};
}

std::array<std::string, 4> coordinateTexts(const RectangleGeometry& rectangle)
{
    return {std::to_string(rectangle.left), std::to_string(rectangle.top), std::to_string(rectangle.width),
        std::to_string(rectangle.height)};
}

} // namespace menuwright
