// SPDX-License-Identifier: GPL-3.0-or-later
#include "rosterly/core/SquadronFile.h"
#include "tools/demogen/RosterlyDemo.h"

#include "common/core/RunBackups.h"
#include "common/testing/TempDir.h"
#include "common/testing/WriteFailureWalk.h"

#include <gtest/gtest.h>

namespace rosterly {
namespace {

TEST(RosterlyWrites, TheAircraftByteIsWrittenOrNot)
{
    common::TempDir dir;
    demogen::writeRosterlyDemo(dir.path());
    const int runs = common::walkWriteFailures(dir.path(), [&] {
        common::RunBackups::start("Rosterly");
        SquadronFile::writeCode(dir / "sqUK0001.dat", 0, 10);
    }, "sqUK0001.dat");
    common::RunBackups::stop();
    EXPECT_GT(runs, 3);
}

} // namespace
} // namespace rosterly
