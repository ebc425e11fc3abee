// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ui/WindowProgram.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace common {
namespace {

class ProgramIcon : public ::testing::TestWithParam<const char*> {};

// The icon is built in and drawn from SVG when first asked for: a resource
// left out of the build, or a missing SVG plugin, gives a window without
// its icon.
TEST_P(ProgramIcon, IsBuiltInAndDraws)
{
    const QIcon icon = programIcon(GetParam());
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(48, 48).toImage();
    ASSERT_EQ(image.size(), QSize(48, 48));
    EXPECT_EQ(qAlpha(image.pixel(24, 24)), 255);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the corners are rounded off";
}

INSTANTIATE_TEST_SUITE_P(WindowPrograms, ProgramIcon,
    ::testing::Values(
        "Wingsmith", "Menuwright", "Bayward", "Ordnix", "Rosterly", "Sortiekit", "vector", "Facetnorm", "Probewell"));

} // namespace
} // namespace common
