// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built program the way a user starts it, in a game folder.
#include "common/testing/ProgramRun.h"
#include "common/testing/TempDir.h"
#include "tools/demogen/RosterlyDemo.h"

#include <QImage>

#include <gtest/gtest.h>

namespace rosterly {
namespace {

common::ProgramRun runRosterly(const common::TempDir& dir, const QStringList& arguments)
{
    return common::runProgram(ROSTERLY_EXE, dir.path(), arguments);
}

bool mentions(const common::ProgramRun& run, const char* text)
{
    return run.standardError.find(text) != std::string::npos;
}

TEST(RosterlyProgram, LoadsTheFileGivenOnTheCommandLine)
{
    common::TempDir dir;
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    const auto bytes = demogen::buildSquadronFile({16, 17}, 1);
    common::writeAllBytes(dir / "sqGR0001.dat", bytes);

    const common::ProgramRun run = runRosterly(dir, {"--screenshot", "shot.png", "sqGR0001.dat"});
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_FALSE(mentions(run, "message:")) << run.standardError;
    EXPECT_FALSE(QImage(QString::fromStdString((dir / "shot.png").string())).isNull());
    EXPECT_EQ(common::readAllBytes(dir / "sqGR0001.dat"), bytes);

    const common::ProgramRun missing = runRosterly(dir, {"--screenshot", "shot.png", "sqGR0404.dat"});
    EXPECT_EQ(missing.exitCode, 0);
    EXPECT_TRUE(mentions(missing, "File not found")) << missing.standardError;
}

TEST(RosterlyProgram, StartsWithoutPlanesTxtAfterSayingSo)
{
    common::TempDir dir;
    const common::ProgramRun run = runRosterly(dir, {"--screenshot", "shot.png"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(mentions(run, "planes.txt was not found")) << run.standardError;
    EXPECT_FALSE(QImage(QString::fromStdString((dir / "shot.png").string())).isNull());
}

} // namespace
} // namespace rosterly
