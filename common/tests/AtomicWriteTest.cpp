// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/AtomicWrite.h"
#include "common/core/IoError.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

namespace common {
namespace {

namespace fs = std::filesystem;

std::size_t entriesIn(const fs::path& dir)
{
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
        ++n;
    return n;
}

TEST(AtomicWrite, ReplacesALongerFileWholeAndLeavesNoTemporary)
{
    TempDir dir;
    writeAllText(dir / "menu.mnu", std::string(500, 'x'));
    writeFileAtomically(dir / "menu.mnu", std::string_view("short"));
    EXPECT_EQ(readAllText(dir / "menu.mnu"), "short");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

#ifndef _WIN32 // Windows keeps the read-only flag alone, which the write refuses
TEST(AtomicWrite, KeepsThePermissionBitsOfTheFileItReplaces)
{
    TempDir dir;
    writeAllText(dir / "a.txt", "old");
    fs::permissions(dir / "a.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    writeFileAtomically(dir / "a.txt", std::string_view("new"));
    EXPECT_EQ(fs::status(dir / "a.txt").permissions() & fs::perms::all,
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
#endif

TEST(AtomicWrite, AFailedWriteLeavesTheTargetAsItWas)
{
    TempDir dir;
    // A folder in the target's place cannot be replaced.
    fs::create_directory(dir / "target");
    EXPECT_THROW(writeFileAtomically(dir / "target", std::string_view("data")), IoError);
    EXPECT_TRUE(fs::is_directory(dir / "target"));
    // Into a missing folder: nothing is created anywhere.
    EXPECT_THROW(writeFileAtomically(dir / "none" / "f.txt", std::string_view("data")), IoError);
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

} // namespace
} // namespace common
