// SPDX-License-Identifier: GPL-3.0-or-later
#include "RosterlyDemo.h"

#include "DemoRandom.h"

#include "common/core/AtomicWrite.h"

#include <array>
#include <span>

namespace demogen {

namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kRecordSize = 124;

// In the order of the flight-model roster, so a code names the same
// aircraft in every tool.
constexpr std::array<const char*, 30> kPlaneNames{
    "P-38H Lightning", "P-38J Lightning", "P-47C Thunderbolt", "P-47D Thunderbolt", "P-51B Mustang",
    "P-51D Mustang", "B-17G Flying Fortress", "B-24J Liberator", "B-26B Marauder",
    "Hurricane IIc", "Spitfire IIa", "Spitfire IX", "Spitfire XIV", "Typhoon Ib", "Tempest V", "Mosquito VI",
    "Bf 109E", "Bf 109G", "Bf 109K", "Bf 110C", "Bf 110G", "Me 410", "Fw 190A", "Fw 190D", "Me 262A",
    "Ju 88A", "Ju 88C", "Ju 87 Stuka", "He 111", "V-1"};

} // namespace

std::string buildPlanesTxt()
{
    std::string text;
    for (const char* name : kPlaneNames) {
        text += name;
        text += "\r\n";
    }
    return text;
}

std::vector<std::uint8_t> buildSquadronFile(const std::vector<std::uint8_t>& codes, std::uint32_t seed)
{
    DemoRandom random(seed);
    std::vector<std::uint8_t> bytes(kHeaderSize + kRecordSize * codes.size());
    random.fill(bytes);
    bytes[0] = 'S';
    bytes[1] = 'Q';
    bytes[2] = static_cast<std::uint8_t>(codes.size());
    for (std::size_t k = 0; k < codes.size(); ++k)
        bytes[kHeaderSize + kRecordSize * k] = codes[k];
    return bytes;
}

void writeRosterlyDemo(const std::filesystem::path& gameDir)
{
    common::writeFileAtomically(gameDir / "planes.txt", buildPlanesTxt());
    common::writeFileAtomically(gameDir / "sqUS0001.dat", buildSquadronFile({0, 1, 2, 3, 4, 5, 5, 4}, 5101));
    common::writeFileAtomically(gameDir / "sqUS0002.dat", buildSquadronFile({6, 6, 7, 7, 8, 8}, 5102));
    common::writeFileAtomically(gameDir / "sqUK0001.dat", buildSquadronFile({9, 10, 11, 12, 13, 14, 15}, 5103));
    common::writeFileAtomically(gameDir / "sqGR0001.dat",
        buildSquadronFile({16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 17, 22}, 5104));
}

} // namespace demogen
