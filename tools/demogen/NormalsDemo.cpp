// SPDX-License-Identifier: GPL-3.0-or-later
#include "NormalsDemo.h"

#include "DemoRandom.h"

#include "common/core/AtomicWrite.h"
#include "common/core/LittleEndian.h"

#include <array>
#include <cmath>

namespace demogen {

namespace {

namespace le = common::le;

struct Node {
    int x, y, z;
};

struct Polygon {
    std::uint8_t type;
    std::vector<std::uint8_t> nodes;
    std::array<std::int16_t, 3> normal; // stored as Y, Z, X
};

// The layout as the game writes it: a 22-byte header with the counts of
// parts, nodes and elements at 16, 18 and 20; the part records; 12-byte
// element records; a table of E + 1 words; 8-byte node records (y, z, x,
// and a fourth word); the element offset table; then the polygon records.
std::vector<std::uint8_t> build3dz(int parts, const std::vector<Node>& nodes, const std::vector<Polygon>& polygons,
    std::uint32_t seed)
{
    DemoRandom random(seed);
    const std::size_t e = polygons.size();
    const std::size_t elementTable = 22 + 8 * static_cast<std::size_t>(parts - 1);
    const std::size_t wordTable = elementTable + 12 * e;
    const std::size_t nodeTable = wordTable + 2 * (e + 1);
    const std::size_t offsetTable = nodeTable + 8 * nodes.size();
    const std::size_t recordsStart = offsetTable + 2 * e;

    // Polygon records first, to know their offsets.
    std::vector<std::uint8_t> records;
    std::vector<std::size_t> offsets;
    for (const Polygon& p : polygons) {
        offsets.push_back(recordsStart + records.size());
        records.push_back(p.type);
        const auto count = static_cast<std::uint8_t>(p.nodes.size());
        if (p.type == 3) {
            records.push_back(count);
            records.insert(records.end(), p.nodes.begin(), p.nodes.end());
        } else if (p.type >= 4 && p.type <= 99) {
            records.push_back(count);
            for (const std::uint8_t n : p.nodes)
                records.insert(records.end(), {n, static_cast<std::uint8_t>(random.between(0, 63)),
                                                  static_cast<std::uint8_t>(random.between(0, 63))});
        } else if (p.type >= 101 && p.type <= 254) {
            records.push_back(static_cast<std::uint8_t>(random.between(0, 15))); // shading and colour
            records.push_back(static_cast<std::uint8_t>(random.between(16, 200)));
            records.push_back(count);
            for (const std::uint8_t n : p.nodes)
                records.insert(records.end(), {n, static_cast<std::uint8_t>(random.between(0, 63)),
                                                  static_cast<std::uint8_t>(random.between(0, 63))});
        } else {
            // A polygon without vertices (a light, a marker): a few bytes of its own.
            records.insert(records.end(), {static_cast<std::uint8_t>(random.between(0, 255)), 0, 0, 0});
        }
    }

    std::vector<std::uint8_t> out(recordsStart + records.size());
    std::copy(records.begin(), records.end(), out.begin() + static_cast<std::ptrdiff_t>(recordsStart));
    random.fill(std::span(out).first(16)); // header bytes no tool reads
    out[16] = static_cast<std::uint8_t>(parts);
    out[18] = static_cast<std::uint8_t>(nodes.size());
    out[20] = static_cast<std::uint8_t>(e);
    for (int part = 1; part < parts; ++part) {
        const std::size_t at = 22 + 8 * static_cast<std::size_t>(part - 1);
        random.fill(std::span(out).subspan(at, 8));
    }
    for (std::size_t i = 0; i < e; ++i) {
        const std::size_t at = elementTable + 12 * i;
        for (int k = 0; k < 3; ++k)
            le::putI16(out, at + 2 * k, polygons[i].normal[k]);
        le::putI16(out, at + 6, static_cast<std::int16_t>(random.between(0, 40)));
        le::putI16(out, at + 8, static_cast<std::int16_t>(random.between(-8, 8)));
        le::putI16(out, at + 10, static_cast<std::int16_t>(i * 3));
    }
    for (std::size_t i = 0; i <= e; ++i)
        le::putU16(out, wordTable + 2 * i, static_cast<std::uint16_t>(i * 4));
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const std::size_t at = nodeTable + 8 * i;
        le::putI16(out, at, static_cast<std::int16_t>(nodes[i].y));
        le::putI16(out, at + 2, static_cast<std::int16_t>(nodes[i].z));
        le::putI16(out, at + 4, static_cast<std::int16_t>(nodes[i].x));
        le::putI16(out, at + 6, static_cast<std::int16_t>(random.between(0, 3)));
    }
    for (std::size_t i = 0; i < e; ++i)
        le::putU16(out, offsetTable + 2 * i, static_cast<std::uint16_t>(offsets[i]));
    return out;
}

constexpr std::int16_t kUnit = 16384;

} // namespace

std::vector<std::uint8_t> buildDemoBox()
{
    // Node i has x, y, z = +50 where bit 0, 1, 2 of i is set, else -50.
    std::vector<Node> nodes;
    for (int i = 0; i < 8; ++i)
        nodes.push_back({i & 1 ? 50 : -50, i & 2 ? 50 : -50, i & 4 ? 50 : -50});
    // Each face lists its corners clockwise as seen from outside, the order
    // whose normal points outwards.
    const std::vector<Polygon> faces{
        {4, {1, 5, 7, 3}, {0, 0, kUnit}},    // +x
        {4, {0, 2, 6, 4}, {0, 0, -kUnit}},   // -x
        {120, {2, 3, 7, 6}, {kUnit, 0, 0}},  // +y
        {120, {0, 4, 5, 1}, {-kUnit, 0, 0}}, // -y
        {3, {4, 6, 7, 5}, {0, kUnit, 0}},    // +z
        {99, {0, 1, 3, 2}, {0, -kUnit, 0}},  // -z
    };
    return build3dz(1, nodes, faces, 3);
}

std::vector<std::uint8_t> buildDemoSparrow()
{
    // x to the right wing, y up, z to the nose.
    const std::vector<Node> nodes{
        {0, 0, 90},                                                    // 0 nose tip
        {-12, -12, 30}, {12, -12, 30}, {12, 12, 30}, {-12, 12, 30},    // 1-4 cockpit frame
        {-6, -6, -60}, {6, -6, -60}, {6, 8, -60}, {-6, 8, -60},        // 5-8 tail cone start
        {0, 4, -90},                                                   // 9 tail tip
        {-80, 0, 20}, {80, 0, 20}, {80, 0, -10}, {-80, 0, -10},        // 10-13 wing
        {-30, 5, -70}, {30, 5, -70}, {30, 5, -88}, {-30, 5, -88},      // 14-17 tail plane
        {0, 8, -62}, {0, 36, -86},                                     // 18-19 fin
    };
    const std::vector<Polygon> polygons{
        // nose
        {3, {0, 2, 1}, {0, 0, 0}},
        {3, {0, 3, 2}, {0, 0, 0}},
        {3, {0, 4, 3}, {0, 0, 0}},
        {3, {0, 1, 4}, {0, 0, 0}},
        // fuselage
        {8, {1, 2, 6, 5}, {0, 0, 0}},
        {8, {2, 3, 7, 6}, {0, 0, 0}},
        {8, {3, 4, 8, 7}, {0, 0, 0}},
        {8, {4, 1, 5, 8}, {0, 0, 0}},
        // tail cone
        {3, {9, 5, 6}, {0, 0, 0}},
        {3, {9, 6, 7}, {0, 0, 0}},
        {3, {9, 7, 8}, {0, 0, 0}},
        {3, {9, 8, 5}, {0, 0, 0}},
        // wing, top and bottom
        {130, {13, 12, 11, 10}, {0, 0, 0}},
        {130, {10, 11, 12, 13}, {0, 0, 0}},
        // tail plane, top and bottom
        {8, {17, 16, 15, 14}, {0, 0, 0}},
        {8, {14, 15, 16, 17}, {0, 0, 0}},
        // fin, both sides
        {3, {18, 19, 9}, {0, 0, 0}},
        {3, {9, 19, 18}, {0, 0, 0}},
        // nose light: no vertices, its direction is kept as stored
        {255, {}, {0, kUnit, 0}},
    };
    return build3dz(3, nodes, polygons, 7);
}

std::vector<std::uint8_t> buildDemoDome()
{
    constexpr int kSegments = 16;
    constexpr int kRings = 3;
    constexpr double kRadius = 60.0;
    constexpr double kPi = 3.14159265358979323846;
    std::vector<Node> nodes{{0, static_cast<int>(kRadius), 0}}; // 0: top
    for (int ring = 1; ring <= kRings; ++ring) {
        const double polar = kPi / 2 * ring / kRings;
        for (int s = 0; s < kSegments; ++s) {
            const double around = 2 * kPi * s / kSegments;
            nodes.push_back({static_cast<int>(std::lround(kRadius * std::sin(polar) * std::cos(around))),
                static_cast<int>(std::lround(kRadius * std::cos(polar))),
                static_cast<int>(std::lround(kRadius * std::sin(polar) * std::sin(around)))});
        }
    }
    auto at = [](int ring, int s) { return static_cast<std::uint8_t>(1 + (ring - 1) * kSegments + s % kSegments); };
    const std::array<std::int16_t, 3> up{kUnit, 0, 0};
    std::vector<Polygon> polygons;
    for (int s = 0; s < kSegments; ++s)
        polygons.push_back({3, {0, at(1, s + 1), at(1, s)}, up});
    for (int ring = 1; ring < kRings; ++ring) {
        for (int s = 0; s < kSegments; ++s) {
            polygons.push_back({3, {at(ring, s), at(ring, s + 1), at(ring + 1, s)}, up});
            polygons.push_back({201, {at(ring, s + 1), at(ring + 1, s + 1), at(ring + 1, s)}, up});
        }
    }
    return build3dz(2, nodes, polygons, 11);
}

void writeNormalsDemo(const std::filesystem::path& gameDir)
{
    common::writeFileAtomically(gameDir / "box.3dz", buildDemoBox());
    common::writeFileAtomically(gameDir / "sparrow.3dz", buildDemoSparrow());
    common::writeFileAtomically(gameDir / "dome.3dz", buildDemoDome());
}

} // namespace demogen
