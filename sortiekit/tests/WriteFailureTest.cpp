// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortiekit/core/AirfieldFile.h"
#include "tools/demogen/SortiekitDemo.h"

#include "common/core/RunBackups.h"
#include "common/testing/TempDir.h"
#include "common/testing/WriteFailureWalk.h"

#include <gtest/gtest.h>

namespace sortiekit {
namespace {

// Saving over an earlier airfield.dat and removing it, every file operation
// failing in turn.
TEST(SortiekitWrites, AirfieldDatIsWholeOrUntouched)
{
    common::TempDir dir;
    demogen::writeSortiekitDemo(dir.path());
    AirfieldFile::saveSelection(dir.path(), {1, 2, 3, 4});
    const auto walk = [&](const std::function<void()>& change) {
        return common::walkWriteFailures(dir.path(), [&] {
            common::RunBackups::start("Sortiekit", dir.path());
            change();
        }, "airfield.dat");
    };
    EXPECT_GT(walk([&] { AirfieldFile::saveSelection(dir.path(), {5, 6, 7, 8}); }), 5);
    EXPECT_GT(walk([&] { AirfieldFile::restoreStandard(dir.path()); }), 3);
    common::RunBackups::stop();
}

} // namespace
} // namespace sortiekit
