// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mods/core/FieldChange.h"

#include "common/core/FileCatalogue.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace modstest {

using Bytes = std::vector<std::uint8_t>;

// The demo installation as a game the tools have been used on holds it:
// the flight records and gun table also as loose files, as Wingsmith takes
// them out of their archives. With `everyTool`, also airfield.dat with the
// bases Sortiekit offers first and the six menu files Menuwright writes
// from the demo's layouts, which a fresh installation lacks.
void writeDemoGame(const std::filesystem::path& game, bool everyTool = false);

// The demo game (without `everyTool`), written once per test program, for
// tests that each work on a copy of it.
const std::filesystem::path& demoGame();

// A field of a game file as its catalogue shows it.
std::string fieldText(
    const std::filesystem::path& game, const std::string& file, const std::string& record, const std::string& field);
// Sets one field of a game file as the program that edits it saves it;
// returns what it held. Throws std::invalid_argument for a field the file
// does not hold.
std::string setFieldText(const std::filesystem::path& game, const std::string& file, const std::string& record,
    const std::string& field, const std::string& to);

// The change of a field to what it reads as once its first byte is XORed
// with `flip`; nothing when the field refuses that value or the game does
// not know it.
std::optional<mods::FieldChange> flippedField(
    const common::FileCatalogue& catalogue, const Bytes& bytes, const common::FieldPlace& place, std::uint8_t flip);

// Every file below the folder but the backups, by relative path: what a
// change that must leave nothing behind is compared by.
std::map<std::string, Bytes> folderSnapshot(const std::filesystem::path& folder);

// The game's files only (no Mods/, no Backups/).
std::map<std::string, Bytes> gameSnapshot(const std::filesystem::path& game);

} // namespace modstest
