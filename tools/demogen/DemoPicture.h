// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace demogen {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// A small RGB raster with the few drawing operations the demo screens need,
// including a built-in 5 x 7 capital-letter font.
class DemoPicture {
public:
    DemoPicture(int width, int height, Rgb fill);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    void set(int x, int y, Rgb colour);

    void fillRect(int x, int y, int w, int h, Rgb colour);
    void verticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom);
    // A raised button: light top-left edge, dark bottom-right edge.
    void bevel(int x, int y, int w, int h, Rgb face, Rgb light, Rgb dark);
    void fillEllipse(int cx, int cy, int rx, int ry, Rgb colour);
    void fillPolygon(const std::vector<std::pair<int, int>>& points, Rgb colour);
    void line(int x0, int y0, int x1, int y1, Rgb colour);

    // Text in the built-in font, `scale` pixels per font dot; lower case is
    // drawn as capitals. Returns the width drawn.
    int text(int x, int y, std::string_view text, Rgb colour, int scale);
    static int textWidth(std::string_view text, int scale);
    void centredText(int x, int y, int w, int h, std::string_view text, Rgb colour, int scale);

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

} // namespace demogen
