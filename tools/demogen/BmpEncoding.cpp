// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureEncoding.h"

namespace demogen {

namespace {

void putLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
}

} // namespace

std::vector<std::uint8_t> encodeBmp(const DemoPicture& picture)
{
    const int w = picture.width();
    const int h = picture.height();
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(h);

    std::vector<std::uint8_t> out{'B', 'M'};
    putLe(out, 54 + imageBytes, 4);
    putLe(out, 0, 4);
    putLe(out, 54, 4);
    putLe(out, 40, 4); // BITMAPINFOHEADER
    putLe(out, static_cast<std::uint32_t>(w), 4);
    putLe(out, static_cast<std::uint32_t>(h), 4); // bottom-up
    putLe(out, 1, 2);
    putLe(out, 24, 2);
    putLe(out, 0, 4);
    putLe(out, imageBytes, 4);
    putLe(out, 2835, 4); // 72 dpi
    putLe(out, 2835, 4);
    putLe(out, 0, 4);
    putLe(out, 0, 4);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Rgb p = picture.pixel(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(w) * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}

} // namespace demogen
