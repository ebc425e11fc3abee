// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace demogen {

// Size of the demo loadout.dat: header, 180 records, the 4 bytes after them,
// a 60-byte mission option block for each of the 30 aircraft codes and a
// short tail the editor never interprets.
inline constexpr std::size_t kDemoLoadoutSize = 4 + 180 * 44 + 4 + 30 * 60 + 16;

// The four name lists of the loadout editor, one name per entry in code
// order. The plane list is the installation's one planes.txt, shared with
// the squadron files.
std::vector<std::string> demoWeaponNames();
std::vector<std::string> demoPlaneNames();
std::vector<std::string> demoLocationNames();
std::vector<std::string> demoMountNames();

// The demo loadout.dat: records in ascending aircraft code with runs of
// several records per aircraft, consistent slots (slots not in use are all
// zero; the slot count is the last slot in use), and an option block for
// every aircraft code.
std::vector<std::uint8_t> buildDemoLoadout();

// Number of records the demo gives each aircraft code (30 entries, sum 180).
std::vector<int> demoLoadoutRuns();

// Writes loadout.dat, Weapons.txt, Locations.txt, Mounts.txt and the plane
// list (as Planes.txt, or over an existing planes.txt in its spelling).
void writeOrdnixDemo(const std::filesystem::path& gameDir);

} // namespace demogen
