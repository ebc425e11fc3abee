// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoPicture.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace demogen {

namespace {

struct Glyph {
    char c;
    std::array<const char*, 7> rows;
};

// clang-format off
const Glyph kFont[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'-', {".....", ".....", ".....", ".###.", ".....", ".....", "....."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
    {':', {".....", ".##..", ".##..", ".....", ".##..", ".##..", "....."}},
    {'/', {".....", "....#", "...#.", "..#..", ".#...", "#....", "....."}},
};
// clang-format on

const Glyph* glyphFor(char c)
{
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    for (const Glyph& g : kFont)
        if (g.c == c)
            return &g;
    return nullptr;
}

} // namespace

DemoPicture::DemoPicture(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill)
{
}

void DemoPicture::set(int x, int y, Rgb colour)
{
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
        pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
}

void DemoPicture::fillRect(int x, int y, int w, int h, Rgb colour)
{
    for (int yy = std::max(0, y); yy < std::min(height_, y + h); ++yy)
        for (int xx = std::max(0, x); xx < std::min(width_, x + w); ++xx)
            pixels_[static_cast<std::size_t>(yy) * width_ + xx] = colour;
}

void DemoPicture::verticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom)
{
    for (int i = 0; i < h; ++i) {
        auto mix = [&](std::uint8_t a, std::uint8_t b) {
            return static_cast<std::uint8_t>(a + (b - a) * i / std::max(1, h - 1));
        };
        fillRect(x, y + i, w, 1, {mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b)});
    }
}

void DemoPicture::bevel(int x, int y, int w, int h, Rgb face, Rgb light, Rgb dark)
{
    fillRect(x, y, w, h, dark);
    fillRect(x, y, w - 2, h - 2, light);
    fillRect(x + 2, y + 2, w - 4, h - 4, face);
}

void DemoPicture::fillEllipse(int cx, int cy, int rx, int ry, Rgb colour)
{
    for (int dy = -ry; dy <= ry; ++dy)
        for (int dx = -rx; dx <= rx; ++dx)
            if (static_cast<long>(dx) * dx * ry * ry + static_cast<long>(dy) * dy * rx * rx
                <= static_cast<long>(rx) * rx * ry * ry)
                set(cx + dx, cy + dy, colour);
}

void DemoPicture::fillPolygon(const std::vector<std::pair<int, int>>& points, Rgb colour)
{
    if (points.size() < 3)
        return;
    int top = height_, bottom = 0;
    for (const auto& [px, py] : points) {
        top = std::min(top, py);
        bottom = std::max(bottom, py);
    }
    for (int y = std::max(0, top); y <= std::min(height_ - 1, bottom); ++y) {
        // Even-odd scan line fill through the pixel centres.
        std::vector<double> xs;
        const double cy = y + 0.5;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const auto [x0, y0] = points[i];
            const auto [x1, y1] = points[(i + 1) % points.size()];
            if ((y0 <= cy && y1 > cy) || (y1 <= cy && y0 > cy))
                xs.push_back(x0 + (cy - y0) * (x1 - x0) / static_cast<double>(y1 - y0));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
            for (int x = static_cast<int>(xs[i] + 0.5); x < static_cast<int>(xs[i + 1] + 0.5); ++x)
                set(x, y, colour);
    }
}

void DemoPicture::line(int x0, int y0, int x1, int y1, Rgb colour)
{
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        set(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

int DemoPicture::textWidth(std::string_view text, int scale)
{
    return text.empty() ? 0 : static_cast<int>(text.size()) * 6 * scale - scale;
}

int DemoPicture::text(int x, int y, std::string_view text, Rgb colour, int scale)
{
    int pen = x;
    for (const char c : text) {
        if (const Glyph* g = glyphFor(c)) {
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (g->rows[row][col] == '#')
                        fillRect(pen + col * scale, y + row * scale, scale, scale, colour);
        }
        pen += 6 * scale;
    }
    return pen - x;
}

void DemoPicture::centredText(int x, int y, int w, int h, std::string_view text, Rgb colour, int scale)
{
    this->text(x + (w - textWidth(text, scale)) / 2, y + (h - 7 * scale) / 2, text, colour, scale);
}

} // namespace demogen
