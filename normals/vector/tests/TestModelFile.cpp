// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestModelFile.h"

namespace vector::testing {

int TestModelFile::polygonStart(int element) const
{
    int at = offsetTable() + 2 * static_cast<int>(elements.size());
    for (int e = 0; e < element; ++e)
        at += static_cast<int>(polygons[e].size());
    return at;
}

std::vector<std::uint8_t> TestModelFile::bytes() const
{
    const int e = static_cast<int>(elements.size());
    std::size_t length = static_cast<std::size_t>(polygonStart(e));
    std::vector<std::uint8_t> out(std::max(length, padTo));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<std::uint8_t>(0xA0 + i % 7);
    auto put = [&](int pos, std::int16_t v) {
        out[static_cast<std::size_t>(pos)] = static_cast<std::uint8_t>(v & 0xFF);
        out[static_cast<std::size_t>(pos) + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
    };
    out[16] = static_cast<std::uint8_t>(parts);
    out[17] = 0;
    out[18] = static_cast<std::uint8_t>(nodes.size());
    out[19] = 0;
    out[20] = static_cast<std::uint8_t>(e);
    out[21] = 0;
    for (int i = 0; i < e; ++i)
        for (int k = 0; k < 6; ++k)
            put(elementTable() + 12 * i + 2 * k, elements[i][k]);
    for (std::size_t n = 0; n < nodes.size(); ++n)
        for (int k = 0; k < 4; ++k)
            put(nodeTable() + 8 * static_cast<int>(n) + 2 * k, nodes[n][k]);
    for (int i = 0; i < e; ++i) {
        std::int16_t offset = static_cast<std::int16_t>(polygonStart(i));
        for (const auto& [element, forced] : forcedOffsets)
            if (element == i)
                offset = forced;
        put(offsetTable() + 2 * i, offset);
        std::copy(polygons[i].begin(), polygons[i].end(), out.begin() + polygonStart(i));
    }
    return out;
}

std::vector<std::uint8_t> type3(const std::vector<std::uint8_t>& nodes)
{
    std::vector<std::uint8_t> r{3, static_cast<std::uint8_t>(nodes.size())};
    r.insert(r.end(), nodes.begin(), nodes.end());
    return r;
}

std::vector<std::uint8_t> type3Wide(std::uint8_t type, const std::vector<std::uint8_t>& nodes)
{
    std::vector<std::uint8_t> r{type, static_cast<std::uint8_t>(nodes.size())};
    for (const auto n : nodes)
        r.insert(r.end(), {n, 0xEE, 0xDD});
    return r;
}

std::vector<std::uint8_t> typeLong(std::uint8_t type, const std::vector<std::uint8_t>& nodes)
{
    std::vector<std::uint8_t> r{type, 0xCC, 0xBB, static_cast<std::uint8_t>(nodes.size())};
    for (const auto n : nodes)
        r.insert(r.end(), {n, 0xEE, 0xDD});
    return r;
}

TestModelFile triangles(const std::vector<std::array<std::array<std::int16_t, 3>, 3>>& facets)
{
    TestModelFile f;
    for (std::size_t e = 0; e < facets.size(); ++e) {
        for (const auto& p : facets[e])
            f.nodes.push_back({p[0], p[1], p[2], 0});
        f.elements.push_back({111, 222, 333, 4, 5, static_cast<std::int16_t>(e)});
        const auto first = static_cast<std::uint8_t>(3 * e);
        f.polygons.push_back(type3({first, static_cast<std::uint8_t>(first + 1), static_cast<std::uint8_t>(first + 2)}));
    }
    return f;
}

std::vector<std::uint8_t> withFlippedNormal(std::vector<std::uint8_t> bytes, int element)
{
    const std::size_t at = 14 + 8 * static_cast<std::size_t>(bytes.at(16)) + 12 * static_cast<std::size_t>(element);
    for (std::size_t k = 0; k < 3; ++k) {
        const auto value = static_cast<std::int16_t>(bytes.at(at + 2 * k) | (bytes.at(at + 2 * k + 1) << 8));
        const auto flipped = static_cast<std::uint16_t>(-value);
        bytes[at + 2 * k] = static_cast<std::uint8_t>(flipped & 0xff);
        bytes[at + 2 * k + 1] = static_cast<std::uint8_t>(flipped >> 8);
    }
    return bytes;
}

} // namespace vector::testing
