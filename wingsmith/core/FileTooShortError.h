// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/core/IoError.h"

#include <cstdint>
#include <filesystem>

namespace wingsmith {

// A file too short for the fields to be patched into it. Patching past the
// end would lengthen the file with zeros, so the write is refused before a
// byte of that file is written.
class FileTooShortError : public common::IoError {
public:
    FileTooShortError(std::filesystem::path file, std::uint64_t size, std::uint64_t needed)
        : common::IoError(common::IoFailure::ReadBeyondEnd, 0, std::move(file)), size_(size), needed_(needed) {}

    std::uint64_t size() const { return size_; }
    std::uint64_t needed() const { return needed_; }

private:
    std::uint64_t size_;
    std::uint64_t needed_;
};

} // namespace wingsmith
