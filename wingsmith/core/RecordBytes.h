// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/core/LittleEndian.h"

#include <cstdint>
#include <vector>

namespace wingsmith {

// A record kept in memory, written with the calls a BinaryFile takes, so
// that one set of record procedures fills a file or a buffer alike.
class RecordBytes {
public:
    explicit RecordBytes(std::size_t size) : bytes_(size) {}

    void writeU8(std::uint64_t pos, std::uint8_t v) { common::le::putU8(bytes_, pos, v); }
    void writeI16(std::uint64_t pos, std::int16_t v) { common::le::putI16(bytes_, pos, v); }
    void writeU16(std::uint64_t pos, std::uint16_t v) { common::le::putU16(bytes_, pos, v); }
    void writeI32(std::uint64_t pos, std::int32_t v) { common::le::putI32(bytes_, pos, v); }
    void writeF32Bits(std::uint64_t pos, std::uint32_t bits) { common::le::putU32(bytes_, pos, bits); }

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace wingsmith
