// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/FileStamp.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace common {
namespace {

namespace fs = std::filesystem;

struct StampCase {
    const char* name;
    // What another program does to the file after it was read.
    std::function<void(const fs::path&)> meanwhile;
    bool changed;
};

void later(const fs::path& file)
{
    fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(5));
}

class FileStampTest : public ::testing::TestWithParam<StampCase> {};

TEST_P(FileStampTest, TellsAChangeOfTheBytesOnly)
{
    TempDir dir;
    const fs::path file = dir / "planes.dat";
    writeAllText(file, "ABCDEF");
    const FileStamp stamp = FileStamp::read(file);
    ASSERT_TRUE(stamp.known());
    GetParam().meanwhile(file);
    EXPECT_EQ(stamp.changedOnDisk(file), GetParam().changed);
}

INSTANTIATE_TEST_SUITE_P(Cases, FileStampTest,
    ::testing::Values(StampCase{"Untouched", [](const fs::path&) {}, false},
        StampCase{"SameBytesNewTime",
            [](const fs::path& f) {
                writeAllText(f, "ABCDEF");
                later(f);
            },
            false},
        StampCase{"OtherBytesSameSize",
            [](const fs::path& f) {
                writeAllText(f, "ABCDEX");
                later(f);
            },
            true},
        StampCase{"OtherBytesSameSizeAndTime",
            [](const fs::path& f) {
                const auto time = fs::last_write_time(f);
                writeAllText(f, "XBCDEF");
                fs::last_write_time(f, time);
            },
            false},
        StampCase{"Longer", [](const fs::path& f) { writeAllText(f, "ABCDEFG"); }, true},
        StampCase{"Removed", [](const fs::path& f) { fs::remove(f); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileStamp, OfTheBytesReadComparesWithThoseBytes)
{
    TempDir dir;
    const fs::path file = dir / "Loadout.dat";
    writeAllText(file, "new");
    const std::uint8_t read[] = {'o', 'l', 'd'};
    // The window read "old"; the file holds "new" since, at a later time.
    const FileStamp stamp = FileStamp::of(file, read);
    later(file);
    EXPECT_TRUE(stamp.changedOnDisk(file));
    EXPECT_FALSE(FileStamp().changedOnDisk(file));
    EXPECT_FALSE(FileStamp::read(dir / "missing").known());
}

} // namespace
} // namespace common
