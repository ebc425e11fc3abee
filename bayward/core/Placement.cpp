// SPDX-License-Identifier: GPL-3.0-or-later
#include "Placement.h"

#include <algorithm>
#include <cmath>

namespace bayward {

PicturePoint dragStart(double x, double y)
{
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

Placement placeRectangle(PicturePoint start, double releaseX, double releaseY, int pictureWidth, int pictureHeight)
{
    const int x0 = std::clamp(start.x, 0, pictureWidth);
    const int y0 = std::clamp(start.y, 0, pictureHeight);
    const int x1 = std::clamp(static_cast<int>(std::floor(releaseX)), 0, pictureWidth);
    const int y1 = std::clamp(static_cast<int>(std::floor(releaseY)), 0, pictureHeight);
    return {std::min(x0, x1), std::min(y0, y1), std::abs(x1 - x0), std::abs(y1 - y0)};
}

std::string coordinateText(int value)
{
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

} // namespace bayward
