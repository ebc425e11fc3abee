// SPDX-License-Identifier: GPL-3.0-or-later
#include "SplashrollDemo.h"

#include "common/core/AtomicWrite.h"
#include "common/core/LittleEndian.h"

#include <array>
#include <cstdio>
#include <string>

namespace demogen {

namespace fs = std::filesystem;
namespace le = common::le;

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;
constexpr int kHeaderSize = 54;
constexpr int kRowSize = kWidth * 3; // already a multiple of four

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr std::array<Rgb, 6> kColours{{
    {0x2f, 0x4f, 0x7f}, {0x7f, 0x3f, 0x2f}, {0x3f, 0x6f, 0x3f},
    {0x6f, 0x5f, 0x2f}, {0x5f, 0x3f, 0x6f}, {0x2f, 0x6f, 0x6f},
}};

} // namespace

std::vector<std::uint8_t> buildDemoSplashPicture(int index)
{
    std::vector<std::uint8_t> bmp(kHeaderSize + kRowSize * kHeight, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    le::putU32(bmp, 2, static_cast<std::uint32_t>(bmp.size()));
    le::putU32(bmp, 10, kHeaderSize);
    le::putU32(bmp, 14, 40);
    le::putI32(bmp, 18, kWidth);
    le::putI32(bmp, 22, kHeight);
    le::putU16(bmp, 26, 1);
    le::putU16(bmp, 28, 24);
    le::putU32(bmp, 34, static_cast<std::uint32_t>(kRowSize * kHeight));

    const Rgb base = kColours[static_cast<std::size_t>(index) % kColours.size()];
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            // A gentle vertical gradient; squares of 16 pixels in a row.
            const int shade = y / 4;
            Rgb c{static_cast<std::uint8_t>(base.r + shade), static_cast<std::uint8_t>(base.g + shade),
                static_cast<std::uint8_t>(base.b + shade)};
            const int square = (x - 8) / 24;
            if (x >= 8 && (x - 8) % 24 < 16 && square <= index && y >= 52 && y < 68)
                c = {0xff, 0xff, 0xff};
            const std::size_t at = kHeaderSize + static_cast<std::size_t>(y) * kRowSize + static_cast<std::size_t>(x) * 3;
            bmp[at] = c.b;
            bmp[at + 1] = c.g;
            bmp[at + 2] = c.r;
        }
    }
    return bmp;
}

void writeSplashrollDemo(const fs::path& gameDir)
{
    const fs::path folder = gameDir / kDemoSplashFolder;
    fs::create_directories(folder);
    for (int i = 0; i <= kDemoSplashHighest; ++i) {
        char suffix[8];
        std::snprintf(suffix, sizeof suffix, ".%03d", i);
        common::writeFileAtomically(folder / (std::string(kDemoSplashStem) + suffix), buildDemoSplashPicture(i));
    }
    const auto first = buildDemoSplashPicture(0);
    common::writeFileAtomically(folder / "main2.pic", first);
    common::writeFileAtomically(gameDir / "main2.pic", first);
}

} // namespace demogen
