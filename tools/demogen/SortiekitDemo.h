// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace demogen {

// airbase.txt: 162 records "name,number" (CR LF), the number being the
// airfield's record in airfield.dat written in hexadecimal in the various
// ways the game's list does (upper and lower case, leading zeros, blanks).
// Names holding a comma are quoted. Entries 0-39 are airfields in occupied
// France and the Low Countries, 40-129 in England, 130-161 in Germany.
std::string buildAirbaseTxt();

// The record number in airfield.dat of airbase.txt's entry (0-161).
int demoAirfieldNumber(int entry);

// airfield.bak: a 24-byte header, 162 records of 44 bytes, and a short
// trailer. The game's standard bases (the entries 98, 63, 158 and 7) carry
// the slot values 7, 9, 2 and 2 in their bytes 0-7; a few other records
// carry leftovers there that are no base; all others hold FFFF.
std::vector<std::uint8_t> buildAirfieldBak();

// Writes airbase.txt and airfield.bak; no airfield.dat, as after a fresh
// installation.
void writeSortiekitDemo(const std::filesystem::path& gameDir);

} // namespace demogen
