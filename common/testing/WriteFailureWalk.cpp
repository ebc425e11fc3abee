// SPDX-License-Identifier: GPL-3.0-or-later
#include "WriteFailureWalk.h"

#include "TempDir.h"
#include "common/core/FileFaults.h"
#include "common/core/FileJournal.h"
#include "common/core/IoError.h"
#include "common/core/ScratchFiles.h"
#include "common/core/SystemCalls.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

namespace common {

namespace fs = std::filesystem;

namespace {

using Snapshot = std::map<fs::path, std::vector<std::uint8_t>>;

bool inBackups(const fs::path& rel)
{
    return !rel.empty() && rel.begin()->string() == "Backups";
}

// The layer's scratch files are listed apart: a kill may leave them.
Snapshot snapshot(const fs::path& folder, std::vector<fs::path>* scratch = nullptr)
{
    Snapshot s;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        const fs::path rel = e.path().lexically_relative(folder);
        if (inBackups(rel) || !e.is_regular_file())
            continue;
        if (isScratchFileName(rel.filename().string())) {
            if (scratch)
                scratch->push_back(rel);
            continue;
        }
        s[rel] = readAllBytes(e.path());
    }
    return s;
}

std::vector<fs::path> scratchIn(const fs::path& folder)
{
    std::vector<fs::path> scratch;
    snapshot(folder, &scratch);
    return scratch;
}

// Runs the action in a copy of this process that is killed at the nth
// operation of `op`: its exit status, nullopt where there are no copies.
std::optional<int> killedAt(const std::function<void()>& action, FileOp op, int n)
{
    return sys::runInCopy([&] {
        FileFaults::reset();
        FileFaults::killAtNth(op, n);
        try {
            action();
        } catch (...) {
        }
    });
}

void restore(const fs::path& folder, const Snapshot& s)
{
    std::vector<fs::path> extra;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        const fs::path rel = e.path().lexically_relative(folder);
        if (e.is_regular_file() && !s.count(rel))
            extra.push_back(e.path());
    }
    for (const auto& p : extra)
        fs::remove(p);
    fs::remove_all(folder / "Backups");
    for (const auto& [rel, bytes] : s) {
        const fs::path p = folder / rel;
        std::error_code ec;
        const auto perms = fs::status(p, ec).permissions();
        const bool existed = !ec && fs::exists(p);
        if (existed)
            fs::permissions(p, fs::perms::owner_write, fs::perm_options::add);
        if (!existed || readAllBytes(p) != bytes)
            writeAllBytes(p, bytes);
        if (existed)
            fs::permissions(p, perms);
    }
}

// Empty when the action succeeded, else its message.
std::string runOnce(const std::function<void()>& action, bool& threw)
{
    threw = false;
    try {
        action();
    } catch (const IoError& e) {
        threw = true;
        return e.describe();
    } catch (const std::exception& e) {
        threw = true;
        return e.what();
    }
    return {};
}

// `names` holds one or more file names separated by '|'.
bool namesOneOf(const std::string& message, const std::string& names)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = names.find('|', start);
        if (message.find(names.substr(start, bar - start)) != std::string::npos)
            return true;
        if (bar == std::string::npos)
            return false;
        start = bar + 1;
    }
}

std::vector<int> sampled(int count, int most)
{
    std::vector<int> picks;
    if (count <= most) {
        for (int n = 1; n <= count; ++n)
            picks.push_back(n);
        return picks;
    }
    for (int k = 0; k < most; ++k)
        picks.push_back(1 + static_cast<int>(static_cast<long long>(k) * (count - 1) / (most - 1)));
    return picks;
}

} // namespace

int walkWriteFailures(const fs::path& folder, const std::function<void()>& action, const std::string& expectedName,
    int maxPerKind, bool sameNextRun)
{
    constexpr std::array kinds{FileOp::Open, FileOp::Write, FileOp::Sync, FileOp::Rename, FileOp::Remove,
        FileOp::Permissions};
    const Snapshot before = snapshot(folder);

    FileFaults::reset();
    bool threw = false;
    const std::string clean = runOnce(action, threw);
    EXPECT_FALSE(threw) << "the action fails even without an injected failure: " << clean;
    std::array<int, kinds.size()> counts{};
    for (std::size_t k = 0; k < kinds.size(); ++k)
        counts[k] = FileFaults::count(kinds[k]);
    const Snapshot after = snapshot(folder);
    EXPECT_NE(before, after) << "the action changed nothing";

    int runs = 0;
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        for (int n : sampled(counts[k], maxPerKind)) {
            SCOPED_TRACE("operation kind " + std::to_string(static_cast<int>(kinds[k])) + ", number "
                + std::to_string(n));
            restore(folder, before);
            FileFaults::reset();
            FileFaults::failNth(kinds[k], n, ENOSPC);
            const std::string message = runOnce(action, threw);
            FileFaults::reset();
            ++runs;
            EXPECT_TRUE(threw) << "a failed operation was reported as success";
            EXPECT_TRUE(namesOneOf(message, expectedName)) << "message: " << message;
            // All or nothing: one operation, put back as a whole.
            EXPECT_EQ(snapshot(folder), before) << "a failed operation left changes";
            EXPECT_TRUE(scratchIn(folder).empty()) << "a failure left a scratch file";
            EXPECT_TRUE(!fs::exists(folder / "Backups") || fs::is_empty(folder / "Backups"))
                << "a refused operation left a backup folder";
            const std::string again = runOnce(action, threw);
            EXPECT_FALSE(threw) << "the next run failed: " << again;
            if (sameNextRun) {
                EXPECT_EQ(snapshot(folder), after) << "the next run did not complete the change";
            }
        }
    }
    // A kill at each of the same operations: once the next program has
    // looked at the folder, every file is as before or every file as
    // after, and the next run leaves no scratch file behind. Where a
    // process cannot be copied (Windows) the kills are not walked.
    const bool copies = sys::runInCopy([] {}).has_value();
#ifndef _WIN32
    EXPECT_TRUE(copies) << "the kills were not walked";
#endif
    for (std::size_t k = 0; copies && k < kinds.size(); ++k) {
        for (int n : sampled(counts[k], maxPerKind)) {
            SCOPED_TRACE("killed at operation kind " + std::to_string(static_cast<int>(kinds[k])) + ", number "
                + std::to_string(n));
            restore(folder, before);
            for (const auto& rel : scratchIn(folder))
                fs::remove(folder / rel);
            EXPECT_EQ(killedAt(action, kinds[k], n), FileFaults::kKilledStatus)
                << "the run was not killed where it was meant to be";
            FileJournal::settleAround(folder / "any");
            const Snapshot now = snapshot(folder);
            EXPECT_TRUE(now == before || now == after) << "a kill left the files neither as before nor as after";
            FileFaults::reset();
            const std::string again = runOnce(action, threw);
            EXPECT_FALSE(threw) << "the run after a kill failed: " << again;
            if (sameNextRun) {
                EXPECT_EQ(snapshot(folder), after) << "the run after a kill did not complete the change";
            }
            EXPECT_TRUE(scratchIn(folder).empty()) << "the run after a kill left a scratch file";
        }
    }
    restore(folder, before);
    return runs;
}

} // namespace common
