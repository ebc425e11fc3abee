// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/demogen/MenuDemo.h"
#include "tools/demogen/PictureEncoding.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using demogen::DemoPicture;

QImage decode(const std::vector<std::uint8_t>& bytes)
{
    return QImage::fromData(QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())))
        .convertToFormat(QImage::Format_RGB32);
}

// Mean and largest difference of any channel between the picture drawn and
// the one decoded.
std::pair<double, int> difference(const DemoPicture& drawn, const QImage& decoded)
{
    long total = 0;
    int largest = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const auto p = drawn.pixel(x, y);
            const QRgb q = decoded.pixel(x, y);
            for (int d : {std::abs(p.r - qRed(q)), std::abs(p.g - qGreen(q)), std::abs(p.b - qBlue(q))}) {
                total += d;
                largest = std::max(largest, d);
            }
        }
    return {static_cast<double>(total) / (3.0 * drawn.width() * drawn.height()), largest};
}

TEST(DemoPictures, DecodeToWhatWasDrawn)
{
    const DemoPicture usa = demogen::drawSelectionScreen(demogen::MenuDemoSide::USA);
    const DemoPicture axis = demogen::drawSelectionScreen(demogen::MenuDemoSide::Axis);
    const DemoPicture britain = demogen::drawSelectionScreen(demogen::MenuDemoSide::Britain);

    const QImage bmp = decode(demogen::encodeBmp(usa));
    ASSERT_EQ(bmp.size(), QSize(640, 480));
    EXPECT_EQ(difference(usa, bmp).second, 0);

    const QImage gif = decode(demogen::encodeGif(axis));
    ASSERT_EQ(gif.size(), QSize(640, 480));
    EXPECT_EQ(difference(axis, gif).second, 0); // few enough colours for an exact palette

    const QImage jpeg = decode(demogen::encodeJpeg(britain));
    ASSERT_EQ(jpeg.size(), QSize(640, 480));
    const auto [mean, largest] = difference(britain, jpeg);
    EXPECT_LT(mean, 2.0);
    EXPECT_LT(largest, 80);
}

TEST(DemoPictures, GifWithManyColoursUsesTheColourCube)
{
    DemoPicture p(64, 64, {0, 0, 0});
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            p.set(x, y, {static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 4), 128});
    const QImage gif = decode(demogen::encodeGif(p));
    ASSERT_EQ(gif.size(), QSize(64, 64));
    EXPECT_LE(difference(p, gif).second, 26); // half a step of the cube
}

TEST(DemoPictures, LayoutTextsPlaceTheDrawnButtons)
{
    const std::string usa = demogen::buildSelectionLayoutText(demogen::MenuDemoSide::USA, false);
    EXPECT_EQ(usa.substr(0, 25), "P51 D\r\n36\r\n118\r\n208\r\n34\r\n");
    EXPECT_EQ(std::count(usa.begin(), usa.end(), '\n'), 45);
    const std::string axis = demogen::buildSelectionLayoutText(demogen::MenuDemoSide::Axis, false);
    EXPECT_EQ(std::count(axis.begin(), axis.end(), '\n'), 55);
    const std::string britain = demogen::buildSelectionLayoutText(demogen::MenuDemoSide::Britain, true);
    EXPECT_EQ(std::count(britain.begin(), britain.end(), '\n'), 45);
    const std::string hangar = demogen::buildHangarLayoutText();
    EXPECT_EQ(std::count(hangar.begin(), hangar.end(), '\n'), 25);
}

} // namespace
