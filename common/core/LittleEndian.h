// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>

namespace common::le {

// Little-endian access to fields of an in-memory byte image. Positions are
// checked: a field that runs past the end throws std::out_of_range.

inline void checkRange(std::size_t size, std::size_t pos, std::size_t width)
{
    if (pos > size || width > size - pos)
        throw std::out_of_range("field outside the byte image");
}

inline std::uint8_t getU8(std::span<const std::uint8_t> b, std::size_t pos)
{
    checkRange(b.size(), pos, 1);
    return b[pos];
}

inline std::uint16_t getU16(std::span<const std::uint8_t> b, std::size_t pos)
{
    checkRange(b.size(), pos, 2);
    return static_cast<std::uint16_t>(b[pos] | (b[pos + 1] << 8));
}

inline std::int16_t getI16(std::span<const std::uint8_t> b, std::size_t pos)
{
    return static_cast<std::int16_t>(getU16(b, pos));
}

inline std::uint32_t getU32(std::span<const std::uint8_t> b, std::size_t pos)
{
    checkRange(b.size(), pos, 4);
    return static_cast<std::uint32_t>(b[pos]) | (static_cast<std::uint32_t>(b[pos + 1]) << 8)
        | (static_cast<std::uint32_t>(b[pos + 2]) << 16) | (static_cast<std::uint32_t>(b[pos + 3]) << 24);
}

inline std::int32_t getI32(std::span<const std::uint8_t> b, std::size_t pos)
{
    return static_cast<std::int32_t>(getU32(b, pos));
}

inline float bitsToFloat(std::uint32_t bits)
{
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

inline std::uint32_t floatToBits(float f)
{
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

inline float getF32(std::span<const std::uint8_t> b, std::size_t pos)
{
    return bitsToFloat(getU32(b, pos));
}

inline void putU8(std::span<std::uint8_t> b, std::size_t pos, std::uint8_t v)
{
    checkRange(b.size(), pos, 1);
    b[pos] = v;
}

inline void putU16(std::span<std::uint8_t> b, std::size_t pos, std::uint16_t v)
{
    checkRange(b.size(), pos, 2);
    b[pos] = static_cast<std::uint8_t>(v & 0xFF);
    b[pos + 1] = static_cast<std::uint8_t>(v >> 8);
}

inline void putI16(std::span<std::uint8_t> b, std::size_t pos, std::int16_t v)
{
    putU16(b, pos, static_cast<std::uint16_t>(v));
}

inline void putU32(std::span<std::uint8_t> b, std::size_t pos, std::uint32_t v)
{
    checkRange(b.size(), pos, 4);
    for (int i = 0; i < 4; ++i)
        b[pos + i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}

inline void putI32(std::span<std::uint8_t> b, std::size_t pos, std::int32_t v)
{
    putU32(b, pos, static_cast<std::uint32_t>(v));
}

inline void putF32(std::span<std::uint8_t> b, std::size_t pos, float v)
{
    putU32(b, pos, floatToBits(v));
}

} // namespace common::le
