// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelReader.h"

#include "ModelReadError.h"

#include "common/core/BinaryFile.h"
#include "common/core/FileLookup.h"
#include "common/core/PathText.h"

#include <algorithm>

namespace vector {

namespace {

// Byte access by position with the format's limits: every position is a
// signed 16-bit number, and a file that ends early cannot be followed.
class ModelBytes {
public:
    ModelBytes(std::span<const std::uint8_t> bytes, std::uint64_t fileLength)
        : bytes_(bytes), fileLength_(fileLength) {}

    std::uint8_t u8(int pos, const std::string& what) const
    {
        check(pos, 1, what);
        return bytes_[static_cast<std::size_t>(pos)];
    }

    std::int16_t i16(int pos, const std::string& what) const
    {
        check(pos, 2, what);
        const auto p = static_cast<std::size_t>(pos);
        return static_cast<std::int16_t>(bytes_[p] | (bytes_[p + 1] << 8));
    }

private:
    void check(int pos, int width, const std::string& what) const
    {
        if (pos < 0 || pos > kLastModelPosition)
            throw ModelReadError(what + " lies at position " + std::to_string(pos)
                + ", outside the positions 0 to " + std::to_string(kLastModelPosition) + " a model can use.");
        const auto end = static_cast<std::size_t>(pos) + static_cast<std::size_t>(width);
        if (end > bytes_.size())
            throw ModelReadError("The file is " + std::to_string(fileLength_) + " bytes long, but " + what
                + " needs the bytes up to position " + std::to_string(end - 1) + ".");
    }

    std::span<const std::uint8_t> bytes_;
    std::uint64_t fileLength_;
};

std::string elementName(int e)
{
    return "the polygon of element " + std::to_string(e);
}

} // namespace

Model readModelBytes(std::span<const std::uint8_t> bytes, std::uint64_t fileLength, const std::string& fileName,
    const Model& previous)
{
    const ModelBytes file(bytes, fileLength);
    Model m = previous;

    m.parts = file.u8(16, "the number of parts");
    m.nodeCount = file.u8(18, "the number of nodes");
    m.elementCount = file.u8(20, "the number of elements");
    const int parts = m.parts;
    const int nodes = m.nodeCount;
    const int elements = m.elementCount;

    // Table starts; with counts of at most 255 they stay far below the limit.
    const int elementTable = 14 + 8 * parts;
    const int nodeTable = elementTable + 12 * elements + 2 * (elements + 1);
    const int offsetTable = nodeTable + 8 * nodes;

    for (int e = 0; e < elements; ++e)
        for (int k = 0; k < 6; ++k)
            m.elements[e][k] = file.i16(elementTable + 12 * e + 2 * k, "the element table");
    for (int e = 0; e < elements; ++e)
        m.elementOffsets[e] = file.i16(offsetTable + 2 * e, "the element offset table");
    for (int n = 0; n < nodes; ++n)
        for (int k = 0; k < 4; ++k)
            m.nodes[n][k] = file.i16(nodeTable + 8 * n + 2 * k, "the node table");

    for (int e = 0; e < elements; ++e) {
        const int record = m.elementOffsets[e];
        const std::string what = elementName(e);
        const int type = file.u8(record, what);
        m.polygonTypes[e] = static_cast<std::uint8_t>(type);
        int countAt = 0;
        int firstAt = 0;
        int entrySize = 0;
        if (type == 255 || type == 1 || type == 2) {
            m.vertices[e].fill(0);
            m.vertexCounts[e] = 0;
            continue;
        }
        if (type >= 101 && type <= 254) {
            countAt = record + 3;
            firstAt = record + 4;
            entrySize = 3;
        } else if (type >= 4 && type <= 99) {
            countAt = record + 1;
            firstAt = record + 2;
            entrySize = 3;
        } else if (type == 3) {
            countAt = record + 1;
            firstAt = record + 2;
            entrySize = 1;
        } else {
            continue; // types 0 and 100 carry no vertex list
        }
        const int count = file.u8(countAt, what);
        if (count > kVertexSlots)
            throw ModelReadError("The polygon of element " + std::to_string(e) + " lists " + std::to_string(count)
                + " vertices; a polygon can have at most " + std::to_string(kVertexSlots) + ".");
        for (int j = 0; j < count; ++j)
            m.vertices[e][j] = file.u8(firstAt + entrySize * j, what);
        m.vertexCounts[e] = static_cast<std::uint8_t>(count);
    }

    m.fileName = fileName;
    return m;
}

Model readModel(const std::filesystem::path& folder, const std::string& fileName, const Model& previous)
{
    const auto path = common::findNoCase(folder, fileName).value_or(folder / common::pathFromUtf8(fileName));
    auto file = common::BinaryFile::open(path, common::BinaryFile::Mode::Read);
    const std::uint64_t length = file.size();
    // Nothing past the last 16-bit position can be addressed, so a longer
    // file is read only as far as that.
    const auto readable = static_cast<std::size_t>(std::min<std::uint64_t>(length, kLastModelPosition + 2));
    const std::vector<std::uint8_t> bytes = file.read(0, readable);
    file.close();
    return readModelBytes(bytes, length, common::utf8FromPath(path.filename()), previous);
}

} // namespace vector
