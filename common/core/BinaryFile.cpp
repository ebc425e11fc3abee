#include "BinaryFile.h"

#include "IoError.h"
#include "LittleEndian.h"

#include <array>
#include <cerrno>
#include <limits>
#include <utility>

namespace common {

namespace {
const char* modeString(BinaryFile::Mode mode)
{
    switch (mode) {
    case BinaryFile::Mode::Read: return "rb";
    case BinaryFile::Mode::ReadWrite: return "r+b";
    case BinaryFile::Mode::Create: return "w+b";
    }
    return "rb";
}
} // namespace

BinaryFile BinaryFile::open(const std::filesystem::path& path, Mode mode)
{
    if (path.empty())
        throw IoError(IoFailure::FileNotFound);
    errno = 0;
    std::FILE* f = std::fopen(path.string().c_str(), modeString(mode));
    if (!f)
        throw IoError::fromErrno(errno);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        std::fclose(f);
        throw IoError(IoFailure::AccessDenied);
    }
    return BinaryFile(f);
}

BinaryFile::BinaryFile(BinaryFile&& other) noexcept : file_(std::exchange(other.file_, nullptr)) {}

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept
{
    if (this != &other) {
        if (file_)
            std::fclose(file_);
        file_ = std::exchange(other.file_, nullptr);
    }
    return *this;
}

BinaryFile::~BinaryFile()
{
    if (file_)
        std::fclose(file_);
}

void BinaryFile::close()
{
    if (!file_)
        return;
    std::FILE* f = std::exchange(file_, nullptr);
    errno = 0;
    const bool flushed = std::fflush(f) == 0;
    const int flushErr = errno;
    const bool closed = std::fclose(f) == 0;
    if (!flushed)
        throw IoError::fromErrno(flushErr);
    if (!closed)
        throw IoError::fromErrno(errno);
}

void BinaryFile::seek(std::uint64_t pos)
{
    if (pos > static_cast<std::uint64_t>(std::numeric_limits<long>::max()))
        throw IoError(IoFailure::ReadBeyondEnd);
    errno = 0;
    if (std::fseek(file_, static_cast<long>(pos), SEEK_SET) != 0)
        throw IoError::fromErrno(errno);
}

std::uint64_t BinaryFile::size()
{
    errno = 0;
    if (std::fseek(file_, 0, SEEK_END) != 0)
        throw IoError::fromErrno(errno);
    const long end = std::ftell(file_);
    if (end < 0)
        throw IoError::fromErrno(errno);
    return static_cast<std::uint64_t>(end);
}

void BinaryFile::read(std::uint64_t pos, std::span<std::uint8_t> out)
{
    seek(pos);
    errno = 0;
    const std::size_t got = std::fread(out.data(), 1, out.size(), file_);
    if (got != out.size()) {
        if (std::ferror(file_) && errno != 0)
            throw IoError::fromErrno(errno);
        throw IoError(IoFailure::ReadBeyondEnd);
    }
}

std::vector<std::uint8_t> BinaryFile::read(std::uint64_t pos, std::size_t count)
{
    std::vector<std::uint8_t> bytes(count);
    read(pos, bytes);
    return bytes;
}

void BinaryFile::write(std::uint64_t pos, std::span<const std::uint8_t> data)
{
    seek(pos);
    errno = 0;
    if (std::fwrite(data.data(), 1, data.size(), file_) != data.size())
        throw IoError::fromErrno(errno == 0 ? EIO : errno);
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
