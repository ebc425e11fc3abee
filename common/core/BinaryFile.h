#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <vector>

namespace common {

// A game file opened for one operation and addressed by absolute byte
// position. Every failure throws IoError with the user-facing text; nothing
// is ever truncated unless the file is created.
class BinaryFile {
public:
    enum class Mode {
        Read,      // existing file, read only
        ReadWrite, // existing file, read and write, no truncation
        Create,    // new or emptied file, read and write
    };

    static BinaryFile open(const std::filesystem::path& path, Mode mode);

    BinaryFile(BinaryFile&& other) noexcept;
    BinaryFile& operator=(BinaryFile&& other) noexcept;
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;
    ~BinaryFile();

    // Flushes and closes; reports a failed flush (a full disk shows here).
    void close();
    bool isOpen() const { return file_ != nullptr; }

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
    explicit BinaryFile(std::FILE* file) : file_(file) {}
    void seek(std::uint64_t pos);

    std::FILE* file_ = nullptr;
};

} // namespace common
