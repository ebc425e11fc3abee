// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace demogen {

// The plane list planes.txt: thirty aircraft names, one per line (CR LF),
// line n naming aircraft code n (0-8 American, 9-15 British, 16-29 German).
std::string buildPlanesTxt();

// A squadron file: a 6-byte header, then one 124-byte record per code given,
// whose first byte is that code and whose other bytes are filler from `seed`.
std::vector<std::uint8_t> buildSquadronFile(const std::vector<std::uint8_t>& codes, std::uint32_t seed);

// Writes planes.txt and the squadron files sqUS0001.dat, sqUS0002.dat,
// sqUK0001.dat and sqGR0001.dat.
void writeRosterlyDemo(const std::filesystem::path& gameDir);

} // namespace demogen
