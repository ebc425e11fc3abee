// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/AtomicWrite.h"
#include "common/core/BinaryFile.h"
#include "common/core/FileActions.h"
#include "common/core/FileFaults.h"
#include "common/core/FileJournal.h"
#include "common/core/FileTransaction.h"
#include "common/core/IoError.h"
#include "common/core/PathText.h"
#include "common/core/RunBackups.h"
#include "common/core/ScratchFiles.h"
#include "common/core/SystemCalls.h"
#include "common/core/TextLines.h"
#include "common/testing/TempDir.h"
#include "common/testing/WriteFailureWalk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace common {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes patterned(std::size_t n, std::uint8_t seed)
{
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = static_cast<std::uint8_t>(seed + i * 7);
    return b;
}

[[maybe_unused]] std::vector<std::string> namesIn(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void patch(const fs::path& file, std::uint64_t pos, std::uint8_t value)
{
    auto f = BinaryFile::open(file, BinaryFile::Mode::ReadWrite);
    f.writeU8(pos, value);
    f.close();
}

struct Operation : ::testing::Test {
    TempDir dir;
    void TearDown() override
    {
        FileFaults::reset();
        RunBackups::stop();
    }
};

// One operation over four files of every kind of change: patched, replaced
// whole, removed, created. Every failure and every kill leaves all four as
// before or all four as after.
TEST_F(Operation, SeveralFilesChangeTogetherOrNotAtAll)
{
    writeAllBytes(dir / "P38H.FLT", patterned(64, 1));
    writeAllBytes(dir / "planes.dat", patterned(200, 2));
    writeAllBytes(dir / "airfield.dat", patterned(30, 3));
    const int runs = walkWriteFailures(dir.path(), [&] {
        RunBackups::start("vantor", dir.path());
        FileTransaction operation;
        {
            auto f = BinaryFile::open(dir / "P38H.FLT", BinaryFile::Mode::ReadWrite);
            f.writeU8(3, 0xAA);
            f.writeU8(40, 0xBB);
            f.close();
        }
        writeFileAtomically(dir / "planes.dat", patterned(180, 9));
        removeFile(dir / "airfield.dat");
        writeFileAtomically(dir / "P38J.FLT", patterned(50, 4));
        operation.commit();
    }, "P38H.FLT|planes.dat|airfield.dat|P38J.FLT", 100);
    EXPECT_GT(runs, 10);
}

// The child of the test below, which starts this program again to run it
// alone: the write killed between its two fields.
constexpr const char* kKilledWriteFolder = "VANTOR_TEST_KILLED_WRITE_FOLDER";

TEST(KilledFieldWrites, ChildOfTheKillTest)
{
    const auto folder = sys::environmentVariable(kKilledWriteFolder);
    if (!folder || folder->empty())
        GTEST_SKIP() << "run as a child by Operation.AKillBetweenTwoFieldWritesIsPutBackByTheNextOpen";
    FileFaults::reset();
    // Write 1 is the journal; 2 the first field; 3 the second.
    FileFaults::killAtNth(FileOp::Write, 3);
    auto f = BinaryFile::open(pathFromUtf8(*folder) / "P51D.FLT", BinaryFile::Mode::ReadWrite);
    f.writeU8(1, 0);
    f.writeU8(50, 0);
    f.close();
    std::_Exit(0);
}

// The next program that opens a file of the folder finishes what a kill
// left, whichever program it is and whatever it opens.
TEST_F(Operation, AKillBetweenTwoFieldWritesIsPutBackByTheNextOpen)
{
    writeAllBytes(dir / "P51D.FLT", patterned(64, 5));
    writeAllBytes(dir / "other.txt", patterned(4, 6));
    sys::setEnvironmentVariable(kKilledWriteFolder, utf8FromPath(dir.path()));
    const int status = sys::runAndWait(
        sys::runningProgram(), {"--gtest_filter=KilledFieldWrites.ChildOfTheKillTest", "--gtest_brief=1"});
    sys::setEnvironmentVariable(kKilledWriteFolder, "");
    ASSERT_EQ(status, FileFaults::kKilledStatus);
    Bytes half = patterned(64, 5);
    half[1] = 0;
    ASSERT_EQ(readAllBytes(dir / "P51D.FLT"), half) << "the kill did not fall between the two writes";
    ASSERT_TRUE(fs::exists(dir / std::string(kJournalName)));

    (void)readFileBytes(dir / "other.txt");
    EXPECT_EQ(readAllBytes(dir / "P51D.FLT"), patterned(64, 5));
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"P51D.FLT", "other.txt"}));
}

// A journal whose operation is still running is another program's: it is
// neither put back nor removed under it.
TEST_F(Operation, AJournalInUseIsLeftAlone)
{
    writeAllBytes(dir / "a.dat", patterned(8, 1));
    {
        FileJournal journal(dir.path(), dir / "a.dat");
        journal.notePatch(fs::absolute(dir / "a.dat"), {{0, {0x99}}}, dir / "a.dat");
        writeAllBytes(dir / "a.dat", Bytes(8, 0x42));
        FileJournal::settleAround(dir / "a.dat");
        EXPECT_EQ(readAllBytes(dir / "a.dat"), Bytes(8, 0x42));
        EXPECT_TRUE(fs::exists(dir / std::string(kJournalName)));
        journal.finish(dir / "a.dat");
    }
    EXPECT_FALSE(fs::exists(dir / std::string(kJournalName)));
}

// An entry cut short by a kill while it was written describes a change that
// had not begun: only the complete entries before it are put back.
TEST_F(Operation, AJournalCutShortPutsBackOnlyItsCompleteEntries)
{
    writeAllBytes(dir / "a.dat", Bytes(4, 1));
    writeAllBytes(dir / "b.dat", Bytes(4, 2));
    Bytes journalBytes;
    {
        FileJournal journal(dir.path(), dir / "a.dat");
        journal.notePatch(fs::absolute(dir / "a.dat"), {{1, {1, 1}}}, dir / "a.dat");
        journal.notePatch(fs::absolute(dir / "b.dat"), {{0, {2}}}, dir / "b.dat");
        journalBytes = readAllBytes(dir / std::string(kJournalName));
        journal.finish(dir / "a.dat");
    }
    journalBytes.resize(journalBytes.size() - 3);
    writeAllBytes(dir / std::string(kJournalName), journalBytes);
    writeAllBytes(dir / "a.dat", Bytes{1, 7, 7, 1});
    writeAllBytes(dir / "b.dat", Bytes{9, 2, 2, 2});
    FileJournal::settleAround(dir / "a.dat");
    EXPECT_EQ(readAllBytes(dir / "a.dat"), Bytes(4, 1));
    EXPECT_EQ(readAllBytes(dir / "b.dat"), (Bytes{9, 2, 2, 2}));
    EXPECT_FALSE(fs::exists(dir / std::string(kJournalName)));
}

// A failure in the second file puts back the first, and the operation's
// backups go with it: a refused run leaves no backup folder.
TEST_F(Operation, ARefusedOperationLeavesNoBackupFolder)
{
    writeAllBytes(dir / "P38H.FLT", patterned(16, 1));
    writeAllBytes(dir / "P38J.FLT", patterned(16, 2));
    fs::permissions(dir / "P38J.FLT", fs::perms::owner_read);
    RunBackups::start("vantor", dir.path());
    try {
        FileTransaction operation;
        patch(dir / "P38H.FLT", 0, 0xEE);
        patch(dir / "P38J.FLT", 0, 0xEE);
        operation.commit();
        FAIL() << "a write-protected file was patched";
    } catch (const IoError& e) {
        EXPECT_EQ(e.describe(), "P38J.FLT: File access denied");
    }
    EXPECT_EQ(readAllBytes(dir / "P38H.FLT"), patterned(16, 1));
    EXPECT_FALSE(RunBackups::lastFolder());
    EXPECT_EQ(RunBackups::count(), 0);
    EXPECT_TRUE(!fs::exists(dir / "Backups") || fs::is_empty(dir / "Backups"));
}

TEST_F(Operation, RunsInTheSameSecondKeepTheirOwnBackupFolders)
{
    writeAllBytes(dir / "P51D.FLT", Bytes(8, 0));
    // Two runs must fall in one second for the names to meet.
    std::optional<fs::path> first, second;
    for (int attempt = 0; attempt < 5; ++attempt) {
        fs::remove_all(dir / "Backups");
        writeAllBytes(dir / "P51D.FLT", Bytes(8, 0));
        RunBackups::start("vantor", dir.path());
        patch(dir / "P51D.FLT", 0, 1);
        first = RunBackups::lastFolder();
        RunBackups::start("vantor", dir.path());
        patch(dir / "P51D.FLT", 0, 2);
        second = RunBackups::lastFolder();
        ASSERT_TRUE(first && second);
        if (first->filename().string().substr(0, 22) == second->filename().string().substr(0, 22))
            break;
    }
    EXPECT_NE(*first, *second);
    EXPECT_EQ(second->filename().string(), first->filename().string() + "-2");
    EXPECT_EQ(readAllBytes(*first / "P51D.FLT"), Bytes(8, 0)) << "the true original is gone";
    EXPECT_EQ(readAllBytes(*second / "P51D.FLT"), (Bytes{1, 0, 0, 0, 0, 0, 0, 0}));
}

// Writing what a file already holds is no change: no backup, no write.
TEST_F(Operation, AChangeThatChangesNothingMakesNoBackup)
{
    writeAllBytes(dir / "loadout.dat", patterned(40, 1));
    RunBackups::start("Ordnix", dir.path());
    const auto stamp = fs::last_write_time(dir / "loadout.dat");
    writeFileAtomically(dir / "loadout.dat", patterned(40, 1));
    const Bytes same = patterned(40, 1);
    auto f = BinaryFile::open(dir / "loadout.dat", BinaryFile::Mode::ReadWrite);
    f.write(10, std::span(same).subspan(10, 20));
    f.close();
    // Changed and changed back before closing: no change either.
    f = BinaryFile::open(dir / "loadout.dat", BinaryFile::Mode::ReadWrite);
    f.writeU8(3, static_cast<std::uint8_t>(same[3] + 1));
    f.writeU8(3, same[3]);
    f.close();
    EXPECT_EQ(readAllBytes(dir / "loadout.dat"), patterned(40, 1));
    EXPECT_EQ(fs::last_write_time(dir / "loadout.dat"), stamp);
    EXPECT_FALSE(fs::exists(dir / "Backups"));
}

// A file this run made is not the user's: changing it again backs up nothing.
TEST_F(Operation, AFileTheRunCreatedIsNotBackedUp)
{
    RunBackups::start("vantor", dir.path());
    writeFileAtomically(dir / "P51D.FLT", patterned(20, 1));
    patch(dir / "P51D.FLT", 2, 0);
    EXPECT_EQ(RunBackups::count(), 0);
    EXPECT_FALSE(fs::exists(dir / "Backups"));
}

// Every name of a hard-linked file sees a rewrite, and an operation that is
// put back puts back the content under every name.
TEST_F(Operation, AHardLinkedFileIsWrittenThroughEveryName)
{
    writeAllText(dir / "airfield.dat", "old");
    fs::create_hard_link(dir / "airfield.dat", dir / "airfield-link.dat");
    if (fs::hard_link_count(dir / "airfield.dat") != 2u)
        GTEST_SKIP() << "this file system does not count links (Wine)";
    writeFileAtomically(dir / "airfield.dat", std::string_view("new content"));
    EXPECT_EQ(readAllText(dir / "airfield-link.dat"), "new content");
    EXPECT_EQ(fs::hard_link_count(dir / "airfield.dat"), 2u);

    writeAllText(dir / "other.dat", "x");
    fs::permissions(dir / "other.dat", fs::perms::owner_read);
    try {
        FileTransaction operation;
        writeFileAtomically(dir / "airfield.dat", std::string_view("third"));
        writeFileAtomically(dir / "other.dat", std::string_view("y"));
        operation.commit();
    } catch (const IoError&) {
    }
    EXPECT_EQ(readAllText(dir / "airfield.dat"), "new content");
    EXPECT_EQ(readAllText(dir / "airfield-link.dat"), "new content");
}

#ifndef _WIN32 // flock on an open file
// Scratch files a kill left are removed by the next write of their target;
// one another writer holds stays, and so does one for another target.
TEST_F(Operation, TheNextWriteRemovesTemporaryFilesAKillLeft)
{
    writeAllText(dir / "airfield.dat", "old");
    writeAllText(dir / ".airfield.dat.vtmp-Xy12Zq", "half");
    writeAllText(dir / ".airfield.dat.vtmp-held00", "in use");
    writeAllText(dir / ".menu.mnu.vtmp-abcdef", "other target");
    const int held = ::open((dir / ".airfield.dat.vtmp-held00").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    writeFileAtomically(dir / "airfield.dat", std::string_view("new"));
    ::close(held);
    EXPECT_EQ(namesIn(dir.path()),
        (std::vector<std::string>{".airfield.dat.vtmp-held00", ".menu.mnu.vtmp-abcdef", "airfield.dat"}));
}
#endif

TEST(ScratchFiles, AreToldFromGameFiles)
{
    struct Case {
        const char* name;
        bool scratch;
    };
    for (const Case& c : {Case{".airfield.dat.vtmp-Xy12Zq", true}, Case{".vantor-journal", true},
             Case{".P51D.FLT.vtmp-000000", true}, Case{"airfield.dat", false}, Case{".hidden", false},
             Case{".airfield.dat.Xy12Zq", false}, Case{".x.vtmp-12345", false}, Case{"a.vtmp-123456", false}}) {
        EXPECT_EQ(isScratchFileName(c.name), c.scratch) << c.name;
    }
    EXPECT_TRUE(isTemporaryFor(".planes.dat.vtmp-q1w2e3", "planes.dat"));
    EXPECT_FALSE(isTemporaryFor(".planes.dat.vtmp-q1w2e3", "lanes.dat"));
}

#ifndef _WIN32 // named pipes
// A pipe or a device named as the target takes the bytes as a stream and
// stays what it is.
TEST_F(Operation, APipeAsTargetIsWrittenNotReplaced)
{
    const fs::path fifo = dir / "out";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string got;
    const pid_t child = ::fork();
    if (child == 0) {
        const int fd = ::open(fifo.c_str(), O_RDONLY);
        char buf[64];
        const ssize_t n = ::read(fd, buf, sizeof buf);
        std::_Exit(n == 5 && std::string(buf, 5) == "hello" ? 0 : 1);
    }
    writeFileAtomically(fifo, std::string_view("hello"));
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(fs::is_fifo(fifo));
}
#endif

} // namespace
} // namespace common
