// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileStamp.h"

#include "common/core/TextLines.h"

#include <system_error>

namespace common {

namespace {

// FNV-1a: enough to tell another program's bytes from ours.
std::uint64_t hashOf(std::span<const std::uint8_t> bytes)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const std::uint8_t b : bytes) {
        hash ^= b;
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::span<const std::uint8_t> asBytes(const std::string& text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

FileStamp FileStamp::of(const std::filesystem::path& file, std::span<const std::uint8_t> bytes)
{
    FileStamp stamp;
    std::error_code error;
    stamp.time_ = std::filesystem::last_write_time(file, error);
    if (error)
        return {};
    stamp.known_ = true;
    stamp.size_ = bytes.size();
    stamp.hash_ = hashOf(bytes);
    return stamp;
}

FileStamp FileStamp::read(const std::filesystem::path& file)
{
    try {
        const std::string bytes = readFileBytes(file);
        return of(file, asBytes(bytes));
    } catch (const std::exception&) {
        return {};
    }
}

bool FileStamp::changedOnDisk(const std::filesystem::path& file) const
{
    if (!known_)
        return false;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size != size_)
        return true;
    const auto time = std::filesystem::last_write_time(file, error);
    if (error)
        return true;
    if (time == time_)
        return false;
    try {
        return hashOf(asBytes(readFileBytes(file))) != hash_;
    } catch (const std::exception&) {
        return true;
    }
}

} // namespace common
