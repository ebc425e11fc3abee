// SPDX-License-Identifier: GPL-3.0-or-later
#include "menuwright/menufile/LayoutText.h"
#include "menuwright/menufile/MenuFileWriter.h"

#include "common/core/RunBackups.h"
#include "common/testing/TempDir.h"
#include "common/testing/WriteFailureWalk.h"

#include <gtest/gtest.h>

namespace menuwright {
namespace {

// The menu files (Menuwright's and Bayward's) and the layout texts, written
// over earlier ones, with every file operation failing in turn.
TEST(MenuWrites, MenuFilesAndLayoutTextsAreWholeOrUntouched)
{
    common::TempDir dir;
    SelectionLayout selection;
    selection.side = Side::USA;
    selection.pictureName = selectionPictureName(Side::USA);
    for (int r = 0; r < SelectionLayout::kRows; ++r)
        selection.rows[r] = {"Row" + std::to_string(r), std::to_string(10 + r), std::to_string(40 * r), "100", "30"};
    HangarLayout hangar;
    for (int r = 0; r < HangarLayout::kRows; ++r)
        hangar.rows[r] = {HangarLayout::defaultCaptions()[r], "5", std::to_string(30 * r), "90", "20"};
    for (const char* name : {"picplna.mnu", "hangarus.mnu", "usa.txt"})
        common::writeAllText(dir / name, "older\r\n");

    const auto walk = [&](const std::function<void()>& write, const std::string& named) {
        return common::walkWriteFailures(dir.path(), [&] {
            common::RunBackups::start("Menuwright");
            write();
        }, named);
    };
    EXPECT_GT(walk([&] { writeSelectionFile(dir / "picplna.mnu", selection); }, "picplna.mnu"), 5);
    EXPECT_GT(walk([&] { writeHangarFile(dir / "hangarus.mnu", hangar); }, "hangarus.mnu"), 5);
    EXPECT_GT(walk([&] { writeLayoutText(dir / "usa.txt", selection, LayoutTextVariant::SelectionComplete); }, "usa.txt"), 5);
    common::RunBackups::stop();
}

} // namespace
} // namespace menuwright
