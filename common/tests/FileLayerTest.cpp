// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/AtomicWrite.h"
#include "common/core/BinaryFile.h"
#include "common/core/FileActions.h"
#include "common/core/FileFaults.h"
#include "common/core/IoError.h"
#include "common/core/RunBackups.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <functional>
#include <csignal>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace common {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::vector<std::string> namesIn(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

Bytes patterned(std::size_t n, std::uint8_t seed)
{
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = static_cast<std::uint8_t>(seed + i * 7);
    return b;
}

// Runs `action` once to count its file operations, then once per counted
// operation with that one failing; `after` hears the kind, the number and
// whether the action threw.
template <typename Action, typename After>
void forEachFileFault(Action action, After after, int err)
{
    constexpr std::array kinds{FileOp::Open, FileOp::Write, FileOp::Sync, FileOp::Rename, FileOp::Remove,
        FileOp::Permissions};
    FileFaults::reset();
    action();
    std::array<int, kinds.size()> counts{};
    for (std::size_t k = 0; k < kinds.size(); ++k)
        counts[k] = FileFaults::count(kinds[k]);
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        for (int n = 1; n <= counts[k]; ++n) {
            FileFaults::reset();
            FileFaults::failNth(kinds[k], n, err);
            bool threw = false;
            try {
                action();
            } catch (...) {
                threw = true;
            }
            FileFaults::reset();
            after(kinds[k], n, threw);
        }
    }
}


struct Layer : ::testing::Test {
    TempDir dir;
    void TearDown() override
    {
        FileFaults::reset();
        RunBackups::stop();
    }
};

TEST_F(Layer, WholeWriteGoesThroughASymlinkAndKeepsIt)
{
    fs::create_directory(dir / "real");
    writeAllText(dir / "real" / "airfield.dat", "old");
    std::error_code noLinks;
    fs::create_symlink("real/airfield.dat", dir / "airfield.dat", noLinks);
    if (noLinks)
        GTEST_SKIP() << "symbolic links are not to be had here: " << noLinks.message();
    writeFileAtomically(dir / "airfield.dat", std::string_view("new"));
    EXPECT_TRUE(fs::is_symlink(dir / "airfield.dat"));
    EXPECT_EQ(readAllText(dir / "real" / "airfield.dat"), "new");
    EXPECT_EQ(namesIn(dir / "real"), std::vector<std::string>{"airfield.dat"});
}

TEST_F(Layer, WriteProtectedFilesAreRefusedByEveryKindOfChange)
{
    writeAllBytes(dir / "ro.dat", patterned(16, 1));
    fs::permissions(dir / "ro.dat", fs::perms::owner_read | fs::perms::group_read);
    const auto expectDenied = [&](auto change) {
        try {
            change();
            ADD_FAILURE() << "a write-protected file was changed";
        } catch (const IoError& e) {
            EXPECT_EQ(e.failure(), IoFailure::AccessDenied);
            EXPECT_EQ(e.describe(), "ro.dat: File access denied");
        }
    };
    expectDenied([&] { writeFileAtomically(dir / "ro.dat", std::string_view("x")); });
    expectDenied([&] { BinaryFile::open(dir / "ro.dat", BinaryFile::Mode::ReadWrite); });
    expectDenied([&] { removeFile(dir / "ro.dat"); });
    EXPECT_EQ(readAllBytes(dir / "ro.dat"), patterned(16, 1));
}

TEST_F(Layer, APatchNeverChangesTheFileLength)
{
    writeAllBytes(dir / "planes.dat", patterned(10, 3));
    auto f = BinaryFile::open(dir / "planes.dat", BinaryFile::Mode::ReadWrite);
    f.writeU16(2, 0xBEEF);
    try {
        f.writeI32(8, 5);
        FAIL() << "a field beyond the end was written";
    } catch (const IoError& e) {
        EXPECT_EQ(e.failure(), IoFailure::ReadBeyondEnd);
        EXPECT_EQ(e.path(), dir / "planes.dat");
    }
    // The earlier field of the refused patch is put back too.
    EXPECT_EQ(readAllBytes(dir / "planes.dat"), patterned(10, 3));
}

// Every operation of a writer failing in turn: the target is as before or
// wholly new, the failure names it, nothing temporary stays, a retry works.
TEST_F(Layer, EveryFailingOperationLeavesBeforeOrAfterAndNoLeftovers)
{
    struct Writer {
        const char* name;
        std::function<void(const fs::path&)> run;
        Bytes after;
    };
    const Bytes before = patterned(64, 9);
    Bytes patched = before;
    patched[4] = 0x11;
    patched[40] = 0x22;
    const std::vector<Writer> writers{
        {"whole", [&](const fs::path& p) { writeFileAtomically(p, patterned(100, 50)); }, patterned(100, 50)},
        {"patch",
            [&](const fs::path& p) {
                auto f = BinaryFile::open(p, BinaryFile::Mode::ReadWrite);
                f.writeU8(4, 0x11);
                f.writeU8(40, 0x22);
                f.close();
            },
            patched},
        {"remove", [&](const fs::path& p) { removeFile(p); }, {}},
    };
    for (const auto& w : writers) {
        SCOPED_TRACE(w.name);
        const fs::path game = dir / w.name;
        fs::create_directory(game);
        const fs::path target = game / "loadout.dat";
        int failures = 0;
        forEachFileFault(
            [&] {
                writeAllBytes(target, before);
                RunBackups::start("Ordnix", game);
                w.run(target);
            },
            [&](FileOp op, int n, bool threw) {
                SCOPED_TRACE(static_cast<int>(op) * 100 + n);
                ++failures;
                EXPECT_TRUE(threw);
                if (fs::exists(target)) {
                    EXPECT_EQ(readAllBytes(target), before);
                } else {
                    EXPECT_TRUE(w.after.empty());
                }
                for (const auto& name : namesIn(game)) {
                    EXPECT_TRUE(name == "loadout.dat" || name == "Backups") << name;
                }
                w.run(target); // the same action again succeeds
                if (!w.after.empty()) {
                    EXPECT_EQ(readAllBytes(target), w.after);
                }
                fs::remove_all(game / "Backups");
            },
            ENOSPC);
        EXPECT_GE(failures, 1);
    }
}

TEST_F(Layer, AFailureNamesTheFileAndTheReason)
{
    writeAllBytes(dir / "DATA.CDF", patterned(32, 1));
    FileFaults::failNth(FileOp::Sync, 1, ENOSPC);
    auto f = BinaryFile::open(dir / "DATA.CDF", BinaryFile::Mode::ReadWrite);
    f.writeU8(0, 0);
    try {
        f.close();
        FAIL();
    } catch (const IoError& e) {
        EXPECT_EQ(e.describe(), "DATA.CDF: Disk full");
    }
    EXPECT_EQ(readAllBytes(dir / "DATA.CDF"), patterned(32, 1));
}

TEST_F(Layer, BytesThatDoNotReadBackAreAFailedWriteAndChangeNothing)
{
    writeAllBytes(dir / "whole.mnu", patterned(20, 1));
    writeAllBytes(dir / "patch.FLT", patterned(20, 2));
    FileFaults::corruptNthWrite(1);
    EXPECT_THROW(writeFileAtomically(dir / "whole.mnu", patterned(30, 5)), IoError);
    FileFaults::corruptNthWrite(2);
    auto f = BinaryFile::open(dir / "patch.FLT", BinaryFile::Mode::ReadWrite);
    f.writeU8(1, 0);
    f.writeU8(2, 0);
    try {
        f.close();
        FAIL();
    } catch (const IoError& e) {
        EXPECT_EQ(e.failure(), IoFailure::NotVerified);
    }
    EXPECT_EQ(readAllBytes(dir / "whole.mnu"), patterned(20, 1));
    EXPECT_EQ(readAllBytes(dir / "patch.FLT"), patterned(20, 2));
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"patch.FLT", "whole.mnu"}));
}

TEST_F(Layer, TheFirstChangeOfARunBacksUpTheOriginalOnce)
{
    fs::create_directories(dir / "game" / "Nimbar");
    writeAllBytes(dir / "game" / "Nimbar" / "P38H.FLT", patterned(8, 1));
    writeAllBytes(dir / "elsewhere.txt", patterned(4, 2));
    RunBackups::start("Wingsmith", dir / "game");
    // Reading and creating new files back up nothing.
    BinaryFile::open(dir / "game" / "Nimbar" / "P38H.FLT", BinaryFile::Mode::ReadWrite).close();
    writeFileAtomically(dir / "game" / "new.txt", std::string_view("n"));
    EXPECT_FALSE(fs::exists(dir / "game" / "Backups"));
    EXPECT_FALSE(RunBackups::lastFolder());

    for (std::uint8_t v : {0x10, 0x20}) {
        auto f = BinaryFile::open(dir / "game" / "Nimbar" / "P38H.FLT", BinaryFile::Mode::ReadWrite);
        f.writeU8(0, v);
        f.close();
    }
    const auto folder = RunBackups::lastFolder();
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->parent_path(), fs::weakly_canonical(dir / "game" / "Backups"));
    EXPECT_EQ(folder->filename().string().substr(0, 10), "Wingsmith-");
    EXPECT_EQ(folder->filename().string().size(), 10u + 15u); // YYYYMMDD-HHMMSS
    EXPECT_EQ(readAllBytes(*folder / "Nimbar" / "P38H.FLT"), patterned(8, 1));

    // A file outside the game folder is backed up beside itself.
    writeFileAtomically(dir / "elsewhere.txt", std::string_view("changed"));
    EXPECT_EQ(readAllBytes(dir / "Backups" / folder->filename() / "elsewhere.txt"), patterned(4, 2));
}

TEST_F(Layer, AChangeWhoseBackupFailsIsRefusedAndSaysSo)
{
    writeAllBytes(dir / "airfield.dat", patterned(8, 1));
    writeAllText(dir / "Backups", "a file where the folder should be");
    RunBackups::start("Sortiekit", dir.path());
    for (auto change : std::vector<std::function<void()>>{
             [&] { writeFileAtomically(dir / "airfield.dat", std::string_view("x")); },
             [&] { removeFile(dir / "airfield.dat"); },
             [&] {
                 auto f = BinaryFile::open(dir / "airfield.dat", BinaryFile::Mode::ReadWrite);
                 f.writeU8(0, 0);
             },
         }) {
        try {
            change();
            ADD_FAILURE() << "changed without a backup";
        } catch (const IoError& e) {
            EXPECT_NE(e.describe().find("Could not back up airfield.dat"), std::string::npos) << e.describe();
        }
        EXPECT_EQ(readAllBytes(dir / "airfield.dat"), patterned(8, 1));
    }
}

#ifndef _WIN32 // a file-size limit is POSIX's
// A real limit, as `ulimit -f` sets it: the seam's failures match what the
// system does.
TEST_F(Layer, AFileSizeLimitLeavesTheOldFileWhole)
{
    writeAllBytes(dir / "planes.dat", patterned(100, 4));
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string failure;
    try {
        writeFileAtomically(dir / "planes.dat", patterned(10000, 8));
    } catch (const IoError& e) {
        failure = e.describe();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(failure, "planes.dat: Disk full");
    EXPECT_EQ(readAllBytes(dir / "planes.dat"), patterned(100, 4));
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"planes.dat"});
}
#endif

} // namespace
} // namespace common
