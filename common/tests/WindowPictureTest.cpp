// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ui/WindowProgram.h"

#include "common/core/RunBackups.h"
#include "common/testing/TempDir.h"

#include <QFile>
#include <QLabel>

#include <gtest/gtest.h>

namespace common {
namespace {

// A screenshot is no game file: one over an older picture keeps no backup.
TEST(WindowPicture, ReplacesAnOlderPictureWithoutABackup)
{
    TempDir dir;
    writeAllText(dir / "shot.png", "an older picture");
    RunBackups::start("Test", dir.path());
    QLabel window("picture");
    window.resize(40, 20);
    EXPECT_TRUE(saveWindowPicture(window, QFile::decodeName((dir / "shot.png").c_str())));
    RunBackups::stop();
    EXPECT_EQ(readAllBytes(dir / "shot.png").at(1), 'P'); // "\x89PNG"
    EXPECT_FALSE(std::filesystem::exists(dir / "Backups"));
}

} // namespace
} // namespace common
