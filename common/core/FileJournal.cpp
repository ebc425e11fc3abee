// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileJournal.h"

#include "FileFaults.h"
#include "IoError.h"
#include "LittleEndian.h"
#include "ScratchFiles.h"
#include "SystemCalls.h"
#include "WholeFile.h"
#include "PathText.h"

#include <chrono>
#include <string>
#include <thread>

namespace common {

namespace fs = std::filesystem;

struct FileJournal::Entry {
    enum Kind : std::uint8_t { Patch = 1, Whole = 2, Mode = 3 };
    Kind kind = Patch;
    fs::path file;
    Ranges ranges;                                   // Patch: the bytes before
    std::optional<std::vector<std::uint8_t>> before; // Whole: the old content, if any
    unsigned mode = 0;                               // Whole, Mode
};

namespace {

constexpr std::string_view kHeader = "VANTORJ1";
// How long a writer waits for another program's operation in its folder.
constexpr auto kPatience = std::chrono::seconds(10);

using Entry = FileJournal::Entry;

std::uint32_t checksum(const std::vector<std::uint8_t>& bytes)
{
    std::uint32_t h = 2166136261u;
    for (std::uint8_t b : bytes)
        h = (h ^ b) * 16777619u;
    return h;
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void putU64(std::vector<std::uint8_t>& out, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void putBytes(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& bytes)
{
    putU64(out, bytes.size());
    out.insert(out.end(), bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> encode(const Entry& e)
{
    std::vector<std::uint8_t> body;
    body.push_back(e.kind);
    const std::string path = common::utf8FromPath(e.file);
    putBytes(body, std::vector<std::uint8_t>(path.begin(), path.end()));
    putU32(body, e.mode);
    if (e.kind == Entry::Patch) {
        putU64(body, e.ranges.size());
        for (const auto& [pos, bytes] : e.ranges) {
            putU64(body, pos);
            putBytes(body, bytes);
        }
    } else if (e.kind == Entry::Whole) {
        body.push_back(e.before ? 1 : 0);
        if (e.before)
            putBytes(body, *e.before);
    }
    std::vector<std::uint8_t> out;
    putU64(out, body.size());
    out.insert(out.end(), body.begin(), body.end());
    putU32(out, checksum(body));
    return out;
}

// Reads entries off the journal's bytes; stops at one cut short or spoilt
// (a kill while it was written: its change had not begun).
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::vector<Entry> entries()
    {
        std::vector<Entry> all;
        if (bytes_.size() < kHeader.size()
            || std::string_view(reinterpret_cast<const char*>(bytes_.data()), kHeader.size()) != kHeader)
            return all;
        pos_ = kHeader.size();
        while (auto e = next())
            all.push_back(std::move(*e));
        return all;
    }

private:
    bool has(std::uint64_t n) const { return n <= bytes_.size() - pos_; }

    std::uint64_t u64()
    {
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i)
            v |= static_cast<std::uint64_t>(bytes_[pos_ + static_cast<std::size_t>(i)]) << (8 * i);
        pos_ += 8;
        return v;
    }

    std::optional<Entry> next()
    {
        if (!has(8))
            return std::nullopt;
        const std::uint64_t size = u64();
        if (!has(size) || !has(size + 4))
            return std::nullopt;
        const auto body = bytes_.subspan(pos_, static_cast<std::size_t>(size));
        const std::vector<std::uint8_t> copy(body.begin(), body.end());
        pos_ += static_cast<std::size_t>(size);
        if (le::getU32(bytes_, pos_) != checksum(copy))
            return std::nullopt;
        pos_ += 4;
        try {
            return decode(body);
        } catch (const std::out_of_range&) {
            return std::nullopt;
        }
    }

    static Entry decode(std::span<const std::uint8_t> body)
    {
        std::size_t at = 0;
        const auto need = [&](std::uint64_t n) {
            if (n > body.size() - at)
                throw std::out_of_range("journal entry");
        };
        const auto u64 = [&] {
            need(8);
            std::uint64_t v = 0;
            for (int i = 0; i < 8; ++i)
                v |= static_cast<std::uint64_t>(body[at + static_cast<std::size_t>(i)]) << (8 * i);
            at += 8;
            return v;
        };
        const auto bytes = [&] {
            const std::uint64_t n = u64();
            need(n);
            std::vector<std::uint8_t> b(body.begin() + static_cast<std::ptrdiff_t>(at),
                body.begin() + static_cast<std::ptrdiff_t>(at + n));
            at += static_cast<std::size_t>(n);
            return b;
        };
        Entry e;
        need(1);
        e.kind = static_cast<Entry::Kind>(body[at++]);
        const auto path = bytes();
        e.file = pathFromUtf8(std::string(path.begin(), path.end()));
        need(4);
        e.mode = le::getU32(body, at);
        at += 4;
        if (e.kind == Entry::Patch) {
            const std::uint64_t n = u64();
            for (std::uint64_t i = 0; i < n; ++i) {
                const std::uint64_t pos = u64();
                e.ranges.emplace_back(pos, bytes());
            }
        } else if (e.kind == Entry::Whole) {
            need(1);
            if (body[at++] != 0)
                e.before = bytes();
        } else if (e.kind != Entry::Mode) {
            throw std::out_of_range("journal entry kind");
        }
        return e;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

void putBackOne(const Entry& e)
{
    switch (e.kind) {
    case Entry::Patch: {
        const int fd = sys::open(e.file, sys::Access::ReadWrite, e.file);
        try {
            for (const auto& [pos, bytes] : e.ranges)
                sys::writeAt(fd, pos, bytes, e.file);
            sys::sync(fd, e.file);
        } catch (...) {
            sys::closeQuietly(fd);
            throw;
        }
        sys::closeQuietly(fd);
        break;
    }
    case Entry::Whole: {
        // The temporary file a kill may have left on the way goes too.
        whole::removeStaleTemporaries(e.file);
        const sys::FileInfo now = sys::info(e.file);
        if (!e.before) {
            if (now.exists)
                sys::remove(e.file, e.file);
        } else if (now.exists && now.links > 1) {
            whole::rewriteInPlace(e.file, *e.before, e.file);
        } else {
            whole::replaceByRename(e.file, *e.before, e.mode, e.file);
        }
        break;
    }
    case Entry::Mode:
        if (sys::info(e.file).exists)
            sys::changeMode(e.file, e.mode, e.file);
        break;
    }
}

void putBackAll(const std::vector<Entry>& entries)
{
    const FileFaults::Suspended quiet;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        putBackOne(*it);
}

// The journal file at `path`, opened and locked, still the one the folder
// names (not one a finishing program just removed); -1 when another
// process holds it.
int openLocked(const fs::path& path, bool create, bool wait, const fs::path& shown)
{
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    for (;;) {
        const int fd = sys::open(path, create ? sys::Access::ReadWriteCreate : sys::Access::ReadWrite, shown);
        if (!sys::lock(fd, false)) {
            sys::closeQuietly(fd);
            if (!wait)
                return -1;
            if (std::chrono::steady_clock::now() > deadline)
                throw IoError(IoFailure::AccessDenied, 0, shown)
                    .withSentence(common::utf8FromPath(shown.filename()) + ": another program is still writing in "
                        + common::utf8FromPath(path.parent_path()) + ", so nothing was changed.");
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        const sys::FileInfo held = sys::info(fd);
        const sys::FileInfo named = sys::info(path);
        if (named.exists && named.inode == held.inode && named.device == held.device)
            return fd;
        sys::closeQuietly(fd);
        if (!create)
            return -1;
    }
}

std::vector<std::uint8_t> readAll(int fd, const fs::path& shown)
{
    std::vector<std::uint8_t> bytes(sys::size(fd, shown));
    sys::readAt(fd, 0, bytes, shown);
    return bytes;
}

} // namespace

FileJournal::FileJournal(const fs::path& folder, const fs::path& shown) : folder_(folder), path_(folder / kJournalName)
{
    fd_ = openLocked(path_, true, true, shown);
    try {
        if (sys::size(fd_, shown) > 0) {
            const auto left = readAll(fd_, shown);
            putBackAll(Reader(left).entries());
            sys::resize(fd_, 0, shown);
        }
    } catch (...) {
        sys::closeQuietly(fd_);
        throw;
    }
}

FileJournal::~FileJournal()
{
    sys::closeQuietly(fd_);
}

void FileJournal::append(const Entry& entry, const fs::path& shown)
{
    std::vector<std::uint8_t> bytes;
    if (end_ == 0)
        bytes.assign(kHeader.begin(), kHeader.end());
    const auto encoded = encode(entry);
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    sys::writeAt(fd_, end_, bytes, shown);
    sys::sync(fd_, shown);
    end_ += bytes.size();
    entries_.push_back(entry);
}

void FileJournal::notePatch(const fs::path& file, const Ranges& before, const fs::path& shown)
{
    Entry e;
    e.kind = Entry::Patch;
    e.file = file;
    e.ranges = before;
    append(e, shown);
}

void FileJournal::noteWhole(const fs::path& file, const std::optional<std::vector<std::uint8_t>>& before,
    unsigned mode, const fs::path& shown)
{
    Entry e;
    e.kind = Entry::Whole;
    e.file = file;
    e.before = before;
    e.mode = mode;
    append(e, shown);
}

void FileJournal::noteMode(const fs::path& file, unsigned mode, const fs::path& shown)
{
    Entry e;
    e.kind = Entry::Mode;
    e.file = file;
    e.mode = mode;
    append(e, shown);
}

void FileJournal::putBack()
{
    putBackAll(entries_);
    entries_.clear();
}

void FileJournal::finish(const fs::path& shown)
{
    if (fd_ < 0)
        return;
    // Emptied and synced first: a journal that comes back empty after a
    // power cut is a finished one.
    if (end_ > 0) {
        sys::resize(fd_, 0, shown);
        sys::sync(fd_, shown);
    }
    sys::removeQuietly(path_);
    sys::closeQuietly(fd_);
    fd_ = -1;
    entries_.clear();
    end_ = 0;
}

void FileJournal::settleAround(const fs::path& file)
{
    std::error_code ec;
    fs::path dir = fs::absolute(file, ec).parent_path();
    if (ec)
        return;
    const FileFaults::Suspended quiet;
    for (;;) {
        const fs::path journal = dir / kJournalName;
        if (sys::info(journal).exists) {
            try {
                const int fd = openLocked(journal, false, false, journal);
                if (fd >= 0) {
                    try {
                        putBackAll(Reader(readAll(fd, journal)).entries());
                        sys::resize(fd, 0, journal);
                        sys::sync(fd, journal);
                        sys::removeQuietly(journal);
                    } catch (const IoError&) {
                    }
                    sys::closeQuietly(fd);
                }
            } catch (const IoError&) {
            }
        }
        if (!dir.has_relative_path())
            return;
        dir = dir.parent_path();
    }
}

} // namespace common
