// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/BinaryFile.h"
#include "common/core/IoError.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

namespace common {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct FieldCase {
    const char* name;
    std::function<void(BinaryFile&, std::uint64_t)> write;
    std::function<std::int64_t(BinaryFile&, std::uint64_t)> read;
    Bytes expected; // the little-endian bytes of the value written
    std::int64_t value;
};

class FieldAccess : public ::testing::TestWithParam<FieldCase> {};

// Each field lands little-endian at its absolute position, the bytes around
// it stay, and reading gives back the value.
TEST_P(FieldAccess, WritesOnlyItsBytesAndReadsBack)
{
    const auto& c = GetParam();
    TempDir dir;
    Bytes original(16);
    for (std::size_t i = 0; i < original.size(); ++i)
        original[i] = static_cast<std::uint8_t>(0xA0 + i);
    writeAllBytes(dir / "f.bin", original);

    auto file = BinaryFile::open(dir / "f.bin", BinaryFile::Mode::ReadWrite);
    c.write(file, 5);
    EXPECT_EQ(c.read(file, 5), c.value);
    file.close();

    Bytes expected = original;
    std::copy(c.expected.begin(), c.expected.end(), expected.begin() + 5);
    EXPECT_EQ(readAllBytes(dir / "f.bin"), expected);
}

INSTANTIATE_TEST_SUITE_P(Widths, FieldAccess,
    ::testing::Values(
        FieldCase{"u8", [](BinaryFile& f, auto p) { f.writeU8(p, 0xFE); },
            [](BinaryFile& f, auto p) { return std::int64_t{f.readU8(p)}; }, {0xFE}, 254},
        FieldCase{"i16", [](BinaryFile& f, auto p) { f.writeI16(p, -2); },
            [](BinaryFile& f, auto p) { return std::int64_t{f.readI16(p)}; }, {0xFE, 0xFF}, -2},
        FieldCase{"u16", [](BinaryFile& f, auto p) { f.writeU16(p, 0xBEEF); },
            [](BinaryFile& f, auto p) { return std::int64_t{f.readU16(p)}; }, {0xEF, 0xBE}, 0xBEEF},
        FieldCase{"i32", [](BinaryFile& f, auto p) { f.writeI32(p, -70000); },
            [](BinaryFile& f, auto p) { return std::int64_t{f.readI32(p)}; }, {0x90, 0xEE, 0xFE, 0xFF}, -70000},
        // 0.1f as its raw pattern: no conversion may touch it.
        FieldCase{"f32", [](BinaryFile& f, auto p) { f.writeF32Bits(p, 0x3DCCCCCD); },
            [](BinaryFile& f, auto p) { return std::int64_t{f.readF32Bits(p)}; }, {0xCD, 0xCC, 0xCC, 0x3D},
            0x3DCCCCCD}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BinaryFile, OpeningForWritingDoesNotTruncate)
{
    TempDir dir;
    writeAllBytes(dir / "f.bin", Bytes(100, 7));
    auto file = BinaryFile::open(dir / "f.bin", BinaryFile::Mode::ReadWrite);
    file.writeU8(0, 1);
    file.close();
    const auto bytes = readAllBytes(dir / "f.bin");
    ASSERT_EQ(bytes.size(), 100u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[99], 7);
}

TEST(BinaryFile, FailuresCarryTheUserTexts)
{
    TempDir dir;
    auto textOf = [](const std::function<void()>& action) -> std::string {
        try {
            action();
        } catch (const IoError& e) {
            return e.what();
        }
        return "no error";
    };

    EXPECT_EQ(textOf([&] { BinaryFile::open(dir / "missing.dat", BinaryFile::Mode::Read); }), "File not found");
    EXPECT_EQ(textOf([&] { BinaryFile::open(dir / "no" / "such.dat", BinaryFile::Mode::ReadWrite); }),
        "File not found");

    std::filesystem::create_directory(dir / "folder.dat");
    EXPECT_EQ(textOf([&] { BinaryFile::open(dir / "folder.dat", BinaryFile::Mode::ReadWrite); }),
        "File access denied");

    writeAllBytes(dir / "short.dat", Bytes(10, 1));
    EXPECT_EQ(textOf([&] {
        auto f = BinaryFile::open(dir / "short.dat", BinaryFile::Mode::Read);
        f.readI32(8);
    }),
        "Read beyond end of file");
    // Positioning past the end is no error by itself; the read is.
    EXPECT_EQ(textOf([&] {
        auto f = BinaryFile::open(dir / "short.dat", BinaryFile::Mode::Read);
        f.readU8(1000);
    }),
        "Read beyond end of file");
}

// The owner's write bit decides, so root is refused too.
TEST(BinaryFile, ReadOnlyFileRefusesWriting)
{
    TempDir dir;
    writeAllBytes(dir / "ro.dat", Bytes(4, 0));
    std::filesystem::permissions(dir / "ro.dat", std::filesystem::perms::owner_read);
    try {
        BinaryFile::open(dir / "ro.dat", BinaryFile::Mode::ReadWrite);
        FAIL() << "opened a read-only file for writing";
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "File access denied");
    }
}

TEST(IoErrorText, OtherCodesNameTheirNumber)
{
    EXPECT_EQ(ioErrorText(IoFailure::Other, 1117), "I/O error 1117");
    EXPECT_EQ(ioErrorText(IoFailure::DiskFull), "Disk full");
    EXPECT_EQ(ioErrorText(IoFailure::TooManyOpenFiles), "Too many open files");
    EXPECT_EQ(ioErrorText(IoFailure::InvalidFilename), "Invalid filename");
}

} // namespace
} // namespace common
