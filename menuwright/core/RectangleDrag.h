// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace menuwright {

// A button rectangle on the screen picture, in picture pixels.
struct RectangleGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const RectangleGeometry&) const = default;
};

// Moving and sizing a rectangle with the mouse. Pointer positions come in
// twips within the rectangle (15 twips to the pixel): the left button moves
// the rectangle by whole pixels so that the grab point stays under the
// pointer; the right button puts its bottom-right corner under the pointer.
class RectangleDrag {
public:
    static constexpr int kTwipsPerPixel = 15;

    // Mouse button went down over the rectangle.
    void press(double xTwips, double yTwips);

    // Mouse moved over the rectangle with the given buttons held. A pointer
    // above or left of the rectangle leaves that size unchanged, as a size
    // cannot be negative.
    RectangleGeometry move(const RectangleGeometry& current, bool leftHeld, bool rightHeld, double xTwips,
        double yTwips) const;

    long grabX() const { return grabX_; }
    long grabY() const { return grabY_; }

private:
    long grabX_ = 0;
    long grabY_ = 0;
};

// The rectangle a row's coordinate texts describe: their whole numbers, a
// negative size taken as 0 (a rectangle cannot show one), and kept within
// +-100000 so that a stray number in a text file cannot upset the window.
RectangleGeometry geometryFromTexts(const std::string& left, const std::string& top, const std::string& width,
    const std::string& height);

// Left, top, width, height as the coordinate boxes show them.
std::array<std::string, 4> coordinateTexts(const RectangleGeometry& rectangle);

} // namespace menuwright
