// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordnix/core/ChangeScript.h"
#include "ordnix/core/LoadoutFile.h"
#include "tools/demogen/OrdnixDemo.h"

#include "common/core/RunBackups.h"
#include "common/testing/TempDir.h"
#include "common/testing/WriteFailureWalk.h"

#include <gtest/gtest.h>

namespace ordnix {
namespace {

// "Save Loadout" (replacing and as a numbered copy) and "Save Block", each
// with every file operation failing in turn.
TEST(OrdnixWrites, SavesAndScriptsNeverLeaveAFileHalfWritten)
{
    common::TempDir dir;
    common::writeAllBytes(dir / "loadout.dat", demogen::buildDemoLoadout());
    common::writeAllText(dir / "change.lox", "an older script\r\n");
    LoadoutImage image = LoadFile(dir.path(), "loadout.dat");
    image.setCurrent(8, "77");
    const auto walk = [&](const std::function<void()>& write, const std::string& named) {
        return common::walkWriteFailures(dir.path(), [&] {
            common::RunBackups::start("Ordnix");
            write();
        }, named);
    };
    EXPECT_GT(walk([&] { SaveImage(image, dir.path(), true); }, "loadout.dat"), 5);
    EXPECT_GT(walk([&] { SaveImage(image, dir.path(), false); }, "Loadout.001"), 3);
    EXPECT_GT(walk([&] { WriteScript(image, dir / "change.lox"); }, "change.lox"), 5);
    common::RunBackups::stop();
}

} // namespace
} // namespace ordnix
