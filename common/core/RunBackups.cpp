// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunBackups.h"

#include "AtomicWrite.h"
#include "IoError.h"
#include "SystemCalls.h"
#include "PathText.h"

#include <ctime>
#include <map>
#include <vector>

namespace common {

namespace fs = std::filesystem;

namespace {

struct Record {
    fs::path original;      // absolute, links followed
    std::optional<fs::path> copy; // empty: created by the run
    fs::path folder;        // the run folder the copy went to
};

struct Run {
    bool active = false;
    std::string program;
    fs::path gameFolder;
    std::string stamp;                  // fixed at the first backup
    std::map<fs::path, fs::path> folders; // Backups/ folder -> this run's folder in it
    std::vector<fs::path> madeBackups;    // Backups/ folders this run made
    std::vector<Record> records;
    std::optional<fs::path> lastFolder;
};

Run& run()
{
    static Run r;
    return r;
}

std::string timeStamp()
{
    const std::time_t now = std::time(nullptr);
    const std::tm local = sys::localTime(now);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

fs::path absoluteQuietly(const fs::path& p)
{
    std::error_code ec;
    fs::path a = fs::weakly_canonical(fs::absolute(p, ec), ec);
    return ec ? p : a;
}

const Record* find(const Run& r, const fs::path& real)
{
    for (const Record& rec : r.records)
        if (rec.original == real)
            return &rec;
    return nullptr;
}

// The Backups/ folder for `file` and the path of the copy below the run's
// folder in it.
std::pair<fs::path, fs::path> placeFor(const Run& r, const fs::path& file)
{
    if (!r.gameFolder.empty()) {
        const fs::path game = absoluteQuietly(r.gameFolder);
        const fs::path rel = file.lexically_relative(game);
        if (!rel.empty() && *rel.begin() != ".." && rel.is_relative())
            return {game / "Backups", rel};
    }
    return {file.parent_path() / "Backups", file.filename()};
}

// This run's folder in `backups`, made exclusively the first time: a run in
// the same second, of this program or another, never shares it.
fs::path runFolderIn(Run& r, const fs::path& backups)
{
    if (const auto it = r.folders.find(backups); it != r.folders.end())
        return it->second;
    std::error_code ec;
    const bool existed = fs::is_directory(backups, ec);
    fs::create_directories(backups, ec);
    if (ec)
        throw IoError::fromErrno(ec.value(), backups);
    if (!existed)
        r.madeBackups.push_back(backups);
    const std::string base = r.program + "-" + r.stamp;
    for (int n = 1;; ++n) {
        const fs::path folder = backups / (n == 1 ? base : base + "-" + std::to_string(n));
        if (fs::create_directory(folder, ec))
            return r.folders[backups] = folder;
        if (ec)
            throw IoError::fromErrno(ec.value(), folder);
    }
}

// Removes `dir` and the empty folders above it up to and including `top`,
// while they are empty.
void removeEmptyUpTo(fs::path dir, const fs::path& top)
{
    std::error_code ec;
    for (;;) {
        if (!fs::is_directory(dir, ec) || !fs::is_empty(dir, ec) || !fs::remove(dir, ec))
            return;
        if (dir == top || !dir.has_relative_path())
            return;
        dir = dir.parent_path();
    }
}

// Once the run's folder is gone, the Backups/ folder it made goes too if
// nothing else is in it.
void forgetEmptyFolder(Run& r, const fs::path& folder)
{
    std::error_code ec;
    if (fs::exists(folder, ec))
        return;
    const fs::path backups = folder.parent_path();
    for (auto it = r.madeBackups.begin(); it != r.madeBackups.end(); ++it) {
        if (*it == backups) {
            if (fs::is_empty(backups, ec) && fs::remove(backups, ec))
                r.madeBackups.erase(it);
            break;
        }
    }
    for (auto it = r.folders.begin(); it != r.folders.end(); ++it) {
        if (it->second == folder) {
            r.folders.erase(it);
            break;
        }
    }
    if (r.lastFolder == folder) {
        r.lastFolder.reset();
        for (const Record& rec : r.records)
            if (rec.copy)
                r.lastFolder = rec.folder;
    }
}

} // namespace

void RunBackups::start(std::string program, fs::path gameFolder)
{
    run() = Run{};
    run().active = true;
    run().program = std::move(program);
    run().gameFolder = std::move(gameFolder);
}

void RunBackups::setGameFolder(fs::path gameFolder)
{
    run().gameFolder = std::move(gameFolder);
}

void RunBackups::stop()
{
    run() = Run{};
}

bool RunBackups::active()
{
    return run().active;
}

fs::path RunBackups::gameFolderAbsolute()
{
    return run().gameFolder.empty() ? fs::path() : absoluteQuietly(run().gameFolder);
}

void RunBackups::beforeChange(const fs::path& file)
{
    Run& r = run();
    if (!r.active)
        return;
    std::error_code ec;
    const fs::path real = absoluteQuietly(sys::finalTarget(file));
    if (find(r, real) || !fs::is_regular_file(real, ec))
        return;
    if (r.stamp.empty())
        r.stamp = timeStamp();
    auto [backups, rel] = placeFor(r, real);
    fs::path folder;
    try {
        folder = runFolderIn(r, backups);
        const fs::path copy = folder / rel;
        const auto bytes = sys::readWhole(real, file);
        fs::create_directories(copy.parent_path(), ec);
        if (ec)
            throw IoError::fromErrno(ec.value(), copy.parent_path());
        writeNewFileWhole(copy, bytes);
        r.records.push_back({real, copy, folder});
    } catch (const IoError& e) {
        if (!folder.empty()) {
            removeEmptyUpTo((folder / rel).parent_path(), folder);
            forgetEmptyFolder(r, folder);
        }
        throw e.withSentence("Could not back up " + common::utf8FromPath(file.filename()) + " (" + e.describe()
            + "), so it was left as it was.");
    }
    r.lastFolder = folder;
}

void RunBackups::noteCreated(const fs::path& file)
{
    Run& r = run();
    if (!r.active)
        return;
    const fs::path real = absoluteQuietly(sys::finalTarget(file));
    if (!find(r, real))
        r.records.push_back({real, std::nullopt, {}});
}

RunBackups::Mark RunBackups::mark()
{
    return Mark{run().records.size()};
}

void RunBackups::dropSince(Mark mark)
{
    Run& r = run();
    while (r.records.size() > mark.records) {
        const Record rec = r.records.back();
        r.records.pop_back();
        if (!rec.copy)
            continue;
        std::error_code ec;
        fs::remove(*rec.copy, ec);
        removeEmptyUpTo(rec.copy->parent_path(), rec.folder);
        forgetEmptyFolder(r, rec.folder);
    }
}

int RunBackups::count()
{
    int n = 0;
    for (const Record& rec : run().records)
        if (rec.copy)
            ++n;
    return n;
}

std::optional<fs::path> RunBackups::lastFolder()
{
    return run().lastFolder;
}

std::optional<fs::path> RunBackups::backupOf(const fs::path& file)
{
    const Record* rec = find(run(), absoluteQuietly(sys::finalTarget(file)));
    if (!rec)
        return std::nullopt;
    return rec->copy;
}

} // namespace common
