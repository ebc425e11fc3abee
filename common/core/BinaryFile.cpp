// SPDX-License-Identifier: GPL-3.0-or-later
#include "BinaryFile.h"

#include "FileJournal.h"
#include "FileTransaction.h"
#include "IoError.h"
#include "LittleEndian.h"
#include "RunBackups.h"
#include "SystemCalls.h"
#include "WriteProtection.h"

#include <algorithm>
#include <array>
#include <utility>

namespace common {

BinaryFile BinaryFile::open(const std::filesystem::path& path, Mode mode)
{
    if (path.empty())
        throw IoError(IoFailure::FileNotFound);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw IoError(IoFailure::AccessDenied, 0, path);
    FileJournal::settleAround(path);
    if (mode == Mode::ReadWrite)
        refuseIfWriteProtected(path);
    const int fd = sys::open(path, mode == Mode::Read ? sys::Access::Read : sys::Access::ReadWrite, path);
    BinaryFile file(fd, path, mode);
    file.size_ = sys::size(fd, path);
    return file;
}

BinaryFile::BinaryFile(int fd, std::filesystem::path path, Mode mode) : fd_(fd), path_(std::move(path)), mode_(mode) {}

BinaryFile::BinaryFile(BinaryFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)), mode_(other.mode_), size_(other.size_),
      before_(std::move(other.before_)), after_(std::move(other.after_)), changed_(other.changed_),
      backupMark_(other.backupMark_)
{
}

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept
{
    if (this != &other) {
        sys::closeQuietly(fd_);
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
        mode_ = other.mode_;
        size_ = other.size_;
        before_ = std::move(other.before_);
        after_ = std::move(other.after_);
        changed_ = other.changed_;
        backupMark_ = other.backupMark_;
    }
    return *this;
}

BinaryFile::~BinaryFile()
{
    sys::closeQuietly(fd_);
}

void BinaryFile::dropAndRethrow()
{
    // On its own, a refused patch takes its backup with it; within an
    // operation, the operation decides.
    if (changed_ && !FileTransaction::active())
        RunBackups::dropSince(backupMark_);
    before_.clear();
    after_.clear();
    changed_ = false;
    sys::closeQuietly(std::exchange(fd_, -1));
    throw;
}

namespace {

using Ranges = FileJournal::Ranges;

// The bytes of `bytes` whose value differs from `than`, as runs of
// neighbouring positions.
Ranges runsOf(const std::map<std::uint64_t, std::uint8_t>& bytes, const std::map<std::uint64_t, std::uint8_t>& than)
{
    Ranges runs;
    for (const auto& [pos, byte] : bytes) {
        if (than.at(pos) == byte)
            continue;
        if (!runs.empty() && runs.back().first + runs.back().second.size() == pos)
            runs.back().second.push_back(byte);
        else
            runs.push_back({pos, {byte}});
    }
    return runs;
}

} // namespace

void BinaryFile::writePatch()
{
    const Ranges patch = runsOf(after_, before_);
    if (patch.empty()) {
        // Changed and changed back: the backup it made is of no change.
        if (RunBackups::mark().records == backupMark_.records + 1)
            RunBackups::dropSince(backupMark_);
        return;
    }
    // What the patch replaces, range by range, for the journal.
    Ranges old;
    for (const auto& [pos, bytes] : patch) {
        std::vector<std::uint8_t> was;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            was.push_back(before_.at(pos + i));
        old.emplace_back(pos, std::move(was));
    }
    FileTransaction operation;
    std::error_code ec;
    const auto real = std::filesystem::absolute(sys::finalTarget(path_), ec);
    FileTransaction::journalFor(real, path_)->notePatch(real, old, path_);
    try {
        for (const auto& [pos, bytes] : patch)
            sys::writeAt(fd_, pos, bytes, path_);
        sys::sync(fd_, path_);
        for (const auto& [pos, bytes] : patch) {
            std::vector<std::uint8_t> got(bytes.size());
            sys::readAt(fd_, pos, got, path_);
            if (got != bytes)
                throw IoError(IoFailure::NotVerified, 0, path_);
        }
    } catch (...) {
        // Put back at once; the journal does it after a kill.
        for (const auto& [pos, bytes] : old)
            sys::restoreAt(fd_, pos, bytes);
        throw;
    }
    operation.commit();
}

void BinaryFile::close()
{
    if (fd_ < 0)
        return;
    if (changed_) {
        try {
            writePatch();
        } catch (...) {
            dropAndRethrow();
        }
    }
    before_.clear();
    after_.clear();
    changed_ = false;
    sys::closeQuietly(std::exchange(fd_, -1));
}

std::uint64_t BinaryFile::size()
{
    return size_;
}

void BinaryFile::read(std::uint64_t pos, std::span<std::uint8_t> out)
{
    if (pos > size_ || out.size() > size_ - pos)
        throw IoError(IoFailure::ReadBeyondEnd, 0, path_);
    sys::readAt(fd_, pos, out, path_);
    for (auto it = after_.lower_bound(pos); it != after_.end() && it->first < pos + out.size(); ++it)
        out[static_cast<std::size_t>(it->first - pos)] = it->second;
}

std::vector<std::uint8_t> BinaryFile::read(std::uint64_t pos, std::size_t count)
{
    std::vector<std::uint8_t> bytes(count);
    read(pos, bytes);
    return bytes;
}

void BinaryFile::write(std::uint64_t pos, std::span<const std::uint8_t> data)
{
    if (mode_ != Mode::ReadWrite)
        throw IoError(IoFailure::AccessDenied, 0, path_);
    try {
        // A patch never changes the file's length; one refused field
        // refuses the whole patch.
        if (pos > size_ || data.size() > size_ - pos)
            throw IoError(IoFailure::ReadBeyondEnd, 0, path_);
        if (data.empty())
            return;
        std::vector<std::uint8_t> now(data.size());
        read(pos, now);
        if (std::equal(now.begin(), now.end(), data.begin()))
            return;
        if (!changed_) {
            backupMark_ = RunBackups::mark();
            RunBackups::beforeChange(path_);
        }
        changed_ = true;
        std::vector<std::uint8_t> disk(data.size());
        sys::readAt(fd_, pos, disk, path_);
        for (std::size_t i = 0; i < data.size(); ++i) {
            before_.try_emplace(pos + i, disk[i]);
            after_[pos + i] = data[i];
        }
    } catch (...) {
        dropAndRethrow();
    }
}

std::uint8_t BinaryFile::readU8(std::uint64_t pos)
{
    std::array<std::uint8_t, 1> b{};
    read(pos, b);
    return b[0];
}

std::int16_t BinaryFile::readI16(std::uint64_t pos)
{
    return static_cast<std::int16_t>(readU16(pos));
}

std::uint16_t BinaryFile::readU16(std::uint64_t pos)
{
    std::array<std::uint8_t, 2> b{};
    read(pos, b);
    return le::getU16(b, 0);
}

std::int32_t BinaryFile::readI32(std::uint64_t pos)
{
    return static_cast<std::int32_t>(readF32Bits(pos));
}

std::uint32_t BinaryFile::readF32Bits(std::uint64_t pos)
{
    std::array<std::uint8_t, 4> b{};
    read(pos, b);
    return le::getU32(b, 0);
}

void BinaryFile::writeU8(std::uint64_t pos, std::uint8_t v)
{
    const std::array<std::uint8_t, 1> b{v};
    write(pos, b);
}

void BinaryFile::writeI16(std::uint64_t pos, std::int16_t v)
{
    writeU16(pos, static_cast<std::uint16_t>(v));
}

void BinaryFile::writeU16(std::uint64_t pos, std::uint16_t v)
{
    std::array<std::uint8_t, 2> b{};
    le::putU16(b, 0, v);
    write(pos, b);
}

void BinaryFile::writeI32(std::uint64_t pos, std::int32_t v)
{
    writeF32Bits(pos, static_cast<std::uint32_t>(v));
}

void BinaryFile::writeF32Bits(std::uint64_t pos, std::uint32_t bits)
{
    std::array<std::uint8_t, 4> b{};
    le::putU32(b, 0, bits);
    write(pos, b);
}

} // namespace common
