// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestModelFile.h"

#include "vector/core/ModelReadError.h"
#include "vector/core/ModelReader.h"

#include "common/core/IoError.h"
#include "common/testing/TempDir.h"
#include "tools/demogen/NormalsDemo.h"

#include <gtest/gtest.h>

namespace vector {
namespace {

using testing::TestModelFile;

Model readBytes(const std::vector<std::uint8_t>& bytes, const Model& previous = {})
{
    return readModelBytes(bytes, bytes.size(), "test.3dz", previous);
}

// A model must be refused with a text that names the problem.
void expectRefused(const std::vector<std::uint8_t>& bytes, const std::string& words)
{
    try {
        readBytes(bytes);
        FAIL() << "model was read, expected a refusal mentioning \"" << words << "\"";
    } catch (const ModelReadError& e) {
        EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
    }
}

TEST(ModelReader, ReadsTheDemoBoxFromItsFileWhateverTheLetterCase)
{
    common::TempDir dir;
    common::writeAllBytes(dir / "BOX.3DZ", demogen::buildDemoBox());
    const Model m = readModel(dir.path(), "box.3dz", Model{});

    EXPECT_EQ(m.fileName, "BOX.3DZ");
    EXPECT_EQ(m.parts, 1);
    EXPECT_EQ(m.nodeCount, 8);
    EXPECT_EQ(m.elementCount, 6);
    // Node 5 is x = +50, y = -50, z = +50, stored as y, z, x.
    EXPECT_EQ(m.nodes[5][0], -50);
    EXPECT_EQ(m.nodes[5][1], 50);
    EXPECT_EQ(m.nodes[5][2], 50);
    // Faces of types 4, 120, 3 and 99 give their corners alike.
    EXPECT_EQ((std::array<int, 4>{m.vertices[0][0], m.vertices[0][1], m.vertices[0][2], m.vertices[0][3]}),
        (std::array<int, 4>{1, 5, 7, 3}));
    EXPECT_EQ((std::array<int, 4>{m.vertices[2][0], m.vertices[2][1], m.vertices[2][2], m.vertices[2][3]}),
        (std::array<int, 4>{2, 3, 7, 6}));
    EXPECT_EQ((std::array<int, 4>{m.vertices[4][0], m.vertices[4][1], m.vertices[4][2], m.vertices[4][3]}),
        (std::array<int, 4>{4, 6, 7, 5}));
    EXPECT_EQ((std::array<int, 4>{m.vertices[5][0], m.vertices[5][1], m.vertices[5][2], m.vertices[5][3]}),
        (std::array<int, 4>{0, 1, 3, 2}));
    EXPECT_EQ(m.elements[0][2], 16384); // +x face: X
    EXPECT_EQ(m.elements[3][0], -16384); // -y face: Y
}

TEST(ModelReader, MissingFileIsAnIoError)
{
    common::TempDir dir;
    EXPECT_THROW(readModel(dir.path(), "none.3dz", Model{}), common::IoError);
}

TEST(ModelReader, TablesFollowThePartCount)
{
    TestModelFile f;
    f.parts = 4;
    f.nodes = {{1, 2, 3, 4}, {-1, -2, -3, -4}};
    f.elements = {{10, 20, 30, 40, 50, 60}};
    f.polygons = {testing::type3({1, 0, 1})};
    const Model m = readBytes(f.bytes());
    EXPECT_EQ(m.parts, 4);
    EXPECT_EQ(m.elements[0], (ElementRecord{10, 20, 30, 40, 50, 60}));
    EXPECT_EQ(m.nodes[1], (NodeRecord{-1, -2, -3, -4}));
    EXPECT_EQ(m.elementOffsets[0], f.polygonStart(0));
    EXPECT_EQ(m.vertices[0][0], 1);
    EXPECT_EQ(m.vertices[0][1], 0);
}

TEST(ModelReader, WithoutPartsTheElementTableStartsInsideTheHeader)
{
    // P = 0, N = 1, E = 1: elements at 14 (over the counts), nodes at 30,
    // offsets at 38, the polygon at 40.
    std::vector<std::uint8_t> b(45, 0x55);
    b[14] = 0x34;
    b[15] = 0x12;
    b[16] = 0;
    b[17] = 0;
    b[18] = 1;
    b[19] = 0;
    b[20] = 1;
    b[21] = 0;
    for (int i = 0; i < 8; ++i)
        b[30 + i] = static_cast<std::uint8_t>(i + 1);
    b[38] = 40;
    b[39] = 0;
    b[40] = 3;
    b[41] = 3;
    b[42] = 0;
    b[43] = 0;
    b[44] = 0;
    const Model m = readBytes(b);
    EXPECT_EQ(m.elements[0][0], 0x1234);
    EXPECT_EQ(m.elements[0][1], 0);  // the part count
    EXPECT_EQ(m.elements[0][2], 1);  // the node count
    EXPECT_EQ(m.elements[0][3], 1);  // the element count
    EXPECT_EQ(m.nodes[0], (NodeRecord{0x0201, 0x0403, 0x0605, 0x0807}));
}

TEST(ModelReader, WithoutElementsOnlyNodesAreReadAndOldRowsStay)
{
    Model previous;
    previous.elements[0] = {7, 7, 7, 7, 7, 7};
    previous.vertices[0].fill(9);
    previous.elementCount = 1;
    TestModelFile f;
    f.parts = 2;
    f.nodes = {{5, 6, 7, 8}};
    const auto bytes = f.bytes();
    ASSERT_EQ(f.nodeTable(), 16 + 8 * 2);
    const Model m = readBytes(bytes, previous);
    EXPECT_EQ(m.elementCount, 0);
    EXPECT_EQ(m.nodes[0], (NodeRecord{5, 6, 7, 8}));
    EXPECT_EQ(m.elements[0], previous.elements[0]);
    EXPECT_EQ(m.vertices[0], previous.vertices[0]);
}

TEST(ModelReader, VertexBytesDependOnThePolygonType)
{
    TestModelFile f;
    f.nodes.assign(8, {0, 0, 0, 0});
    f.elements.assign(3, {0, 0, 0, 0, 0, 0});
    f.polygons = {testing::type3({5, 6, 7}), testing::type3Wide(4, {5, 6, 7}), testing::typeLong(254, {1, 2, 3, 4})};
    const Model m = readBytes(f.bytes());
    for (int e = 0; e < 2; ++e) {
        EXPECT_EQ(m.vertices[e][0], 5) << e;
        EXPECT_EQ(m.vertices[e][1], 6) << e;
        EXPECT_EQ(m.vertices[e][2], 7) << e;
        EXPECT_EQ(m.vertices[e][3], 0) << e; // beyond the count nothing is written
    }
    EXPECT_EQ((std::array<int, 5>{m.vertices[2][0], m.vertices[2][1], m.vertices[2][2], m.vertices[2][3],
                  m.vertices[2][4]}),
        (std::array<int, 5>{1, 2, 3, 4, 0}));
}

struct KeptSlotsCase {
    const char* name;
    std::uint8_t type;
    bool keeps; // true: slots stay as before; false: all set to node 0
};

class SlotsWithoutVertexList : public ::testing::TestWithParam<KeptSlotsCase> {};

TEST_P(SlotsWithoutVertexList, KeepOrClearTheSlots)
{
    Model previous;
    previous.vertices[0].fill(9);
    TestModelFile f;
    f.nodes.assign(10, {1, 1, 1, 1});
    f.elements = {{1, 2, 3, 4, 5, 6}};
    f.polygons = {{GetParam().type, 3, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}};
    const Model m = readBytes(f.bytes(), previous);
    VertexSlots expected{};
    expected.fill(GetParam().keeps ? 9 : 0);
    EXPECT_EQ(m.vertices[0], expected);
    // Without an earlier model the kept slots are node 0.
    EXPECT_EQ(readBytes(f.bytes()).vertices[0], VertexSlots{});
}

INSTANTIATE_TEST_SUITE_P(ModelReader, SlotsWithoutVertexList,
    ::testing::Values(KeptSlotsCase{"Type0", 0, true}, KeptSlotsCase{"Type100", 100, true},
        KeptSlotsCase{"Type1", 1, false}, KeptSlotsCase{"Type2", 2, false}, KeptSlotsCase{"Type255", 255, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ModelReader, ASecondModelOverwritesOnlyItsOwnRows)
{
    TestModelFile big;
    big.nodes = {{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}};
    big.elements = {{1, 1, 1, 1, 1, 1}, {2, 2, 2, 2, 2, 2}};
    big.polygons = {testing::type3({0, 1, 2}), testing::type3({2, 1, 0})};
    TestModelFile small;
    small.nodes = {{9, 9, 9, 9}};
    small.elements = {{8, 8, 8, 8, 8, 8}};
    small.polygons = {testing::type3({0, 0, 0})};

    const Model first = readBytes(big.bytes());
    const Model second = readBytes(small.bytes(), first);
    EXPECT_EQ(second.nodeCount, 1);
    EXPECT_EQ(second.elementCount, 1);
    EXPECT_EQ(second.nodes[0], (NodeRecord{9, 9, 9, 9}));
    EXPECT_EQ(second.nodes[2], (NodeRecord{3, 3, 3, 3}));
    EXPECT_EQ(second.elements[0], (ElementRecord{8, 8, 8, 8, 8, 8}));
    EXPECT_EQ(second.elements[1], (ElementRecord{2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(second.vertices[1][0], 2);
}

TEST(ModelReader, FifteenVerticesFitSixteenAreRefused)
{
    std::vector<std::uint8_t> fifteen;
    for (std::uint8_t n = 0; n < 15; ++n)
        fifteen.push_back(n);
    TestModelFile f;
    f.nodes.assign(16, {0, 0, 0, 0});
    f.elements = {{0, 0, 0, 0, 0, 0}};
    f.polygons = {testing::type3Wide(50, fifteen)};
    EXPECT_EQ(readBytes(f.bytes()).vertices[0][14], 14);

    fifteen.push_back(15);
    f.polygons = {testing::typeLong(150, fifteen)};
    expectRefused(f.bytes(), "lists 16 vertices");
}

struct OffsetCase {
    const char* name;
    std::int16_t offset;
    std::size_t padTo;
    const char* words;
};

class UnreachablePolygon : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(UnreachablePolygon, IsRefused)
{
    TestModelFile f;
    f.nodes.assign(3, {0, 0, 0, 0});
    f.elements = {{0, 0, 0, 0, 0, 0}};
    f.polygons = {testing::type3({0, 1, 2})};
    f.forcedOffsets = {{0, GetParam().offset}};
    f.padTo = GetParam().padTo;
    expectRefused(f.bytes(), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(ModelReader, UnreachablePolygon,
    ::testing::Values(OffsetCase{"FF7F", 32767, 40000, "position 32767"},
        OffsetCase{"Negative0080", -32768, 40000, "position -32768"},
        OffsetCase{"PastTheEndOfFile", 500, 0, "needs the bytes up to position 500"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ModelReader, VertexListRunningPastTheLastPositionIsRefused)
{
    TestModelFile f;
    f.nodes.assign(3, {0, 0, 0, 0});
    f.elements = {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
    f.polygons = {testing::type3({0, 1, 2}), testing::type3({0, 1, 2})};
    f.padTo = 33000;
    auto bytes = f.bytes();
    // Element 1: a type-4 record at 32758 whose third entry is at 32766
    // fits; one at 32759 puts it at 32767.
    const std::vector<std::uint8_t> record = testing::type3Wide(4, {0, 1, 2});
    for (const int at : {32758, 32759}) {
        std::copy(record.begin(), record.end(), bytes.begin() + at);
        bytes[static_cast<std::size_t>(f.offsetTable() + 2)] = static_cast<std::uint8_t>(at & 0xFF);
        bytes[static_cast<std::size_t>(f.offsetTable() + 3)] = static_cast<std::uint8_t>(at >> 8);
        if (at == 32758)
            EXPECT_EQ(readBytes(bytes).vertices[1][2], 2);
        else
            expectRefused(bytes, "the polygon of element 1 lies at position 32767");
    }
}

struct CutCase {
    const char* name;
    int keep; // bytes kept; negative counts from the end
    const char* words;
};

class ShortFile : public ::testing::TestWithParam<CutCase> {};

TEST_P(ShortFile, IsRefusedNamingWhatIsMissing)
{
    TestModelFile f;
    f.parts = 2;
    f.nodes = {{0, 0, 0, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}};
    f.elements = {{0, 0, 0, 0, 0, 0}};
    f.polygons = {testing::type3({0, 1, 2})};
    auto bytes = f.bytes();
    const int keep = GetParam().keep;
    bytes.resize(static_cast<std::size_t>(keep >= 0 ? keep : static_cast<int>(bytes.size()) + keep));
    try {
        readBytes(bytes);
        FAIL() << "a cut file was read";
    } catch (const ModelReadError& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find("The file is " + std::to_string(bytes.size()) + " bytes long"), std::string::npos)
            << text;
        EXPECT_NE(text.find(GetParam().words), std::string::npos) << text;
    }
}

// Layout for P = 2, E = 1, N = 3: elements at 30, nodes at 46, offsets at
// 70, the polygon record at 72 (5 bytes). The offsets are read before the
// nodes, so a cut in the node table shows as a missing offset table.
INSTANTIATE_TEST_SUITE_P(ModelReader, ShortFile,
    ::testing::Values(CutCase{"InTheHeader", 19, "number of elements"},
        CutCase{"InTheElementTable", 35, "element table"}, CutCase{"InTheOffsetTable", 71, "element offset table"},
        CutCase{"InThePolygon", -1, "polygon of element 0"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vector
