// SPDX-License-Identifier: GPL-3.0-or-later
// How the two kinds of change (a whole-file write and a patch) meet what a
// Windows user's disk does to them, each case run on Linux where it means
// something there too.
#include "common/core/AtomicWrite.h"
#include "common/core/BinaryFile.h"
#include "common/core/FileFaults.h"
#include "common/core/IoError.h"
#include "common/core/SystemCalls.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <map>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace common {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const Bytes kOld{1, 2, 3, 4, 5, 6, 7, 8};
const Bytes kNew{9, 9, 9, 9, 9, 9, 9, 9};

enum class Change { WholeWrite, Patch };

void apply(Change change, const fs::path& target)
{
    if (change == Change::WholeWrite) {
        writeFileAtomically(target, kNew);
        return;
    }
    auto file = BinaryFile::open(target, BinaryFile::Mode::ReadWrite);
    file.write(0, kNew);
    file.close();
}

// Every file of a folder with its bytes; empty when there is no folder.
std::map<std::string, Bytes> filesIn(const fs::path& folder)
{
    std::map<std::string, Bytes> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec))
        files[e.path().filename().string()] = readAllBytes(e.path());
    return files;
}

Bytes readBack(const fs::path& path)
{
    auto file = BinaryFile::open(path, BinaryFile::Mode::Read);
    return file.read(0, static_cast<std::size_t>(file.size()));
}

// A folder below `dir` deep enough that the file in it has a path of at
// least 300 characters, made through the names the system takes beyond 260.
fs::path deepFolder(const fs::path& dir)
{
    fs::path folder = fs::absolute(dir);
    for (char letter = 'a'; folder.native().size() + 1 + 8 < 300; ++letter)
        folder /= std::string(100, letter);
#ifdef _WIN32
    fs::create_directories(L"\\\\?\\" + folder.lexically_normal().make_preferred().native());
#else
    fs::create_directories(folder);
#endif
    return folder;
}

void removeDeep(const fs::path& dir, const fs::path& folder)
{
#ifdef _WIN32
    for (fs::path p = folder; p != dir && p.has_relative_path(); p = p.parent_path())
        RemoveDirectoryW((L"\\\\?\\" + p.lexically_normal().make_preferred().native()).c_str());
#else
    (void)dir;
    (void)folder;
#endif
}

// The file a case changes; `cleanUp` removes what TempDir cannot reach.
struct Obstacle {
    fs::path target;
    std::function<void()> cleanUp = [] {};
};

struct SystemCase {
    const char* name;
    std::function<Obstacle(const fs::path& dir)> place;
    // What the failure says; empty when the change must work.
    std::string message;
    // The system code injected at each write call in turn; 0: none.
    unsigned long failEachWriteWith = 0;
    // Another handle holds the file, sharing it with nobody (Windows).
    bool held = false;
};

void PrintTo(const SystemCase& c, std::ostream* os)
{
    *os << c.name;
}

Obstacle plainFile(const fs::path& dir)
{
    writeAllBytes(dir / "game.dat", kOld);
    return {dir / "game.dat"};
}

#ifdef _WIN32
constexpr unsigned long kDiskFull = ERROR_DISK_FULL;
constexpr unsigned long kHandleDiskFull = ERROR_HANDLE_DISK_FULL;
#else
constexpr unsigned long kDiskFull = ENOSPC;
constexpr unsigned long kHandleDiskFull = EDQUOT;
#endif

const SystemCase kCases[] = {
    {"ReadOnlyAttribute",
        [](const fs::path& dir) {
            Obstacle o = plainFile(dir);
#ifdef _WIN32
            SetFileAttributesW(o.target.c_str(), FILE_ATTRIBUTE_READONLY);
#else
            fs::permissions(o.target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
#endif
            return o;
        },
        "game.dat: File access denied"},
    {"HeldOpenWithoutSharing", plainFile, "game.dat: File in use by another program", 0, true},
    {"DiskFullAtEachWrite", plainFile, "game.dat: Disk full", kDiskFull},
    {"QuotaFullAtEachWrite", plainFile, "game.dat: Disk full", kHandleDiskFull},
    {"MissingFolder", [](const fs::path& dir) { return Obstacle{dir / "missing" / "game.dat"}; },
        "game.dat: File not found"},
    {"PathOf300Characters",
        [](const fs::path& dir) {
            const fs::path folder = deepFolder(dir);
            writeFileAtomically(folder / "game.dat", kOld);
            return Obstacle{folder / "game.dat", [dir, folder] {
                                sys::removeQuietly(folder / "game.dat");
                                sys::removeQuietly(folder / "moved.dat");
                                removeDeep(dir, folder);
                            }};
        },
        ""},
};

class SystemFailure : public ::testing::TestWithParam<std::tuple<SystemCase, Change>> {
protected:
    void TearDown() override { FileFaults::reset(); }
};

// The failure's message, or empty when the change worked.
std::string outcome(Change change, const fs::path& target)
{
    try {
        apply(change, target);
    } catch (const IoError& e) {
        return e.describe();
    }
    return {};
}

TEST_P(SystemFailure, LeavesTheFileAsItWasAndSaysWhy)
{
    const auto& [c, change] = GetParam();
#ifndef _WIN32
    if (c.held)
        GTEST_SKIP() << "a file held without sharing is Windows's";
#endif
    TempDir dir;
    Obstacle obstacle = c.place(dir.path());
    const fs::path folder = obstacle.target.parent_path();

    if (c.message.empty()) {
        EXPECT_EQ(outcome(change, obstacle.target), "");
        EXPECT_EQ(obstacle.target.native().size() >= 300, true) << obstacle.target;
        EXPECT_EQ(readBack(obstacle.target), kNew);
        sys::rename(obstacle.target, folder / "moved.dat", "game.dat");
        EXPECT_FALSE(sys::info(obstacle.target).exists);
        EXPECT_EQ(readBack(folder / "moved.dat"), kNew);
        obstacle.cleanUp();
        return;
    }

    const auto before = filesIn(folder);
    const bool folderWasThere = fs::exists(folder);
    std::vector<int> writes{0};
    if (c.failEachWriteWith) {
        // Counted on a copy of the same change, then failed call by call.
        TempDir counting;
        const Obstacle copy = c.place(counting.path());
        FileFaults::reset();
        apply(change, copy.target);
        writes.clear();
        for (int n = 1; n <= FileFaults::count(FileOp::Write); ++n)
            writes.push_back(n);
        ASSERT_FALSE(writes.empty());
    }
    for (const int n : writes) {
        SCOPED_TRACE("write call " + std::to_string(n));
        FileFaults::reset();
        if (n > 0)
            FileFaults::failNth(FileOp::Write, n, sys::errnoOfSystemCode(c.failEachWriteWith));
#ifdef _WIN32
        const HANDLE held = c.held ? CreateFileW(obstacle.target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr)
                                   : INVALID_HANDLE_VALUE;
        EXPECT_EQ(c.held, held != INVALID_HANDLE_VALUE);
#endif
        EXPECT_EQ(outcome(change, obstacle.target), c.message);
        FileFaults::reset();
#ifdef _WIN32
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
#endif
        EXPECT_EQ(filesIn(folder), before) << "the file changed or a temporary file stayed";
        EXPECT_EQ(fs::exists(folder), folderWasThere) << "a folder was made";
    }
    obstacle.cleanUp();
}

INSTANTIATE_TEST_SUITE_P(Cases, SystemFailure,
    ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Values(Change::WholeWrite, Change::Patch)),
    [](const ::testing::TestParamInfo<std::tuple<SystemCase, Change>>& info) {
        return std::string(std::get<0>(info.param).name)
            + (std::get<1>(info.param) == Change::WholeWrite ? "WholeWrite" : "Patch");
    });

} // namespace
} // namespace common
