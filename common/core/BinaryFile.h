// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <vector>

#include "common/core/RunBackups.h"

namespace common {

// A game file opened for one operation and addressed by absolute byte
// position. Every failure throws IoError with the user-facing text, naming
// the file.
//
// Opened ReadWrite it patches fields in place and is the file layer's only
// way to change part of a file: a patch never changes the file's length (a
// field beyond the end is refused), and a write that changes nothing is no
// change. The file is backed up (RunBackups) before its first change. The
// patch is kept until close(), which journals the bytes it replaces
// (FileTransaction), writes it, syncs and reads back every byte written:
// after a failure, or a kill at any point, the file is as before or wholly
// patched, never between. Reads see the patch.
class BinaryFile {
public:
    enum class Mode {
        Read,      // existing file, read only
        ReadWrite, // existing file, patched in place
    };

    static BinaryFile open(const std::filesystem::path& path, Mode mode);

    BinaryFile(BinaryFile&& other) noexcept;
    BinaryFile& operator=(BinaryFile&& other) noexcept;
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;
    // Closing without close() drops the patch: the file stays as it was.
    ~BinaryFile();

    // Syncs, verifies and closes; reports a failure (a full disk shows here).
    void close();
    bool isOpen() const { return fd_ >= 0; }
    const std::filesystem::path& path() const { return path_; }

    std::uint64_t size();

    void read(std::uint64_t pos, std::span<std::uint8_t> out);
    std::vector<std::uint8_t> read(std::uint64_t pos, std::size_t count);
    void write(std::uint64_t pos, std::span<const std::uint8_t> data);

    std::uint8_t readU8(std::uint64_t pos);
    std::int16_t readI16(std::uint64_t pos);
    std::uint16_t readU16(std::uint64_t pos);
    std::int32_t readI32(std::uint64_t pos);
    // A float32 travels as its raw bit pattern, so that no value is altered.
    std::uint32_t readF32Bits(std::uint64_t pos);

    void writeU8(std::uint64_t pos, std::uint8_t v);
    void writeI16(std::uint64_t pos, std::int16_t v);
    void writeU16(std::uint64_t pos, std::uint16_t v);
    void writeI32(std::uint64_t pos, std::int32_t v);
    void writeF32Bits(std::uint64_t pos, std::uint32_t bits);

private:
    BinaryFile(int fd, std::filesystem::path path, Mode mode);
    [[noreturn]] void dropAndRethrow();
    void writePatch();

    int fd_ = -1;
    std::filesystem::path path_;
    Mode mode_ = Mode::Read;
    std::uint64_t size_ = 0;
    // Per byte written: what it holds on disk, and what it must hold.
    std::map<std::uint64_t, std::uint8_t> before_;
    std::map<std::uint64_t, std::uint8_t> after_;
    bool changed_ = false;
    RunBackups::Mark backupMark_{}; // before this file's backup
};

} // namespace common
