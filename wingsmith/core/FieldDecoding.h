// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/core/BinaryFile.h"
#include "common/core/IoError.h"
#include "common/core/LittleEndian.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

// Records are read into memory with one read and decoded there. A field the
// bytes do not reach fails as reading it from the file would have failed,
// so a short file stops at the same field as before and keeps what came
// before it.
namespace wingsmith::fields {

inline void require(std::span<const std::uint8_t> bytes, std::uint64_t pos, std::size_t width)
{
    if (pos > bytes.size() || width > bytes.size() - pos)
        throw common::IoError(common::IoFailure::ReadBeyondEnd);
}

inline std::uint8_t u8(std::span<const std::uint8_t> bytes, std::uint64_t pos)
{
    require(bytes, pos, 1);
    return bytes[static_cast<std::size_t>(pos)];
}

inline std::int16_t i16(std::span<const std::uint8_t> bytes, std::uint64_t pos)
{
    require(bytes, pos, 2);
    return common::le::getI16(bytes, static_cast<std::size_t>(pos));
}

inline std::uint16_t u16(std::span<const std::uint8_t> bytes, std::uint64_t pos)
{
    require(bytes, pos, 2);
    return common::le::getU16(bytes, static_cast<std::size_t>(pos));
}

inline std::int32_t i32(std::span<const std::uint8_t> bytes, std::uint64_t pos)
{
    require(bytes, pos, 4);
    return common::le::getI32(bytes, static_cast<std::size_t>(pos));
}

inline std::uint32_t u32(std::span<const std::uint8_t> bytes, std::uint64_t pos)
{
    require(bytes, pos, 4);
    return common::le::getU32(bytes, static_cast<std::size_t>(pos));
}

// How many of `count` bytes from `pos` on lie within `size` bytes: fewer,
// or none, where the bytes end sooner.
inline std::size_t reach(std::uint64_t size, std::uint64_t pos, std::uint64_t count)
{
    return pos >= size ? 0 : static_cast<std::size_t>(std::min(count, size - pos));
}

inline std::span<const std::uint8_t> upTo(std::span<const std::uint8_t> bytes, std::uint64_t pos, std::uint64_t count)
{
    const std::size_t n = reach(bytes.size(), pos, count);
    return n == 0 ? std::span<const std::uint8_t>() : bytes.subspan(static_cast<std::size_t>(pos), n);
}

inline std::vector<std::uint8_t> readUpTo(common::BinaryFile& file, std::uint64_t pos, std::uint64_t count)
{
    const std::size_t n = reach(file.size(), pos, count);
    return n == 0 ? std::vector<std::uint8_t>() : file.read(pos, n);
}

} // namespace wingsmith::fields
