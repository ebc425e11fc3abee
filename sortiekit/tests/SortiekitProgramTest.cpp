// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built program the way a user starts it, in a game folder.
#include "common/testing/ProgramRun.h"
#include "common/testing/TempDir.h"
#include "tools/demogen/SortiekitDemo.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>

namespace sortiekit {
namespace {

// The program's stderr after a --screenshot run in `dir`.
QString runSortiekit(const common::TempDir& dir)
{
    const auto run = common::runProgram(SORTIEKIT_EXE, dir.path(), {"--screenshot", "shot.png"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(QImage(QString::fromStdString((dir / "shot.png").string())).isNull());
    return QString::fromStdString(run.standardError);
}

TEST(SortiekitProgram, ReadsTheGameFolderItStartsIn)
{
    common::TempDir dir;
    common::writeAllText(dir / "airbase.txt", demogen::buildAirbaseTxt());
    common::writeAllBytes(dir / "airfield.bak", demogen::buildAirfieldBak());
    const QString err = runSortiekit(dir);
    EXPECT_FALSE(err.contains("message:")) << err.toStdString();
    EXPECT_FALSE(std::filesystem::exists(dir / "airfield.dat"));

    std::filesystem::remove(dir / "airbase.txt");
    const QString missing = runSortiekit(dir);
    EXPECT_TRUE(missing.contains("airbase.txt was not found")) << missing.toStdString();
}

} // namespace
} // namespace sortiekit
