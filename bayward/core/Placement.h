// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace bayward {

// A point on the hangar picture, in its pixels.
struct PicturePoint {
    int x = 0;
    int y = 0;
};

// A button's rectangle dragged out on the picture.
struct Placement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Placement&) const = default;
};

// Where a drag began: the whole-number parts of the pointer position.
PicturePoint dragStart(double x, double y);

// The rectangle between the drag start and the release point. It spans the
// two corners whichever way the drag went, so its size is never negative,
// and a release beyond the picture counts as its edge (the menu file cannot
// hold a position off the screen).
Placement placeRectangle(PicturePoint start, double releaseX, double releaseY, int pictureWidth, int pictureHeight);

// A coordinate as the boxes show it: a blank before a number that is zero
// or positive, a minus sign before a negative one (120 is " 120").
std::string coordinateText(int value);

} // namespace bayward
