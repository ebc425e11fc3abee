// SPDX-License-Identifier: GPL-3.0-or-later
#include "probewell/core/InstallationReport.h"
#include "tools/demogen/ProbewellDemo.h"

#include "common/core/RunBackups.h"
#include "common/testing/TempDir.h"
#include "common/testing/WriteFailureWalk.h"

#include <gtest/gtest.h>

namespace probewell {
namespace {

TEST(ProbewellWrites, ReplacingTheReportNeverLeavesItPartial)
{
    common::TempDir dir;
    demogen::writeProbewellDemo(dir.path());
    common::writeAllText(dir / "Probewell.txt", "an older report\r\n");
    const int runs = common::walkWriteFailures(dir.path(), [&] {
        common::RunBackups::start("Probewell", dir.path());
        writeReport(dir.path());
    }, "Probewell.txt", 24, false);
    common::RunBackups::stop();
    EXPECT_GT(runs, 5);
}

} // namespace
} // namespace probewell
