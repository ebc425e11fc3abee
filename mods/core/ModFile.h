// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mods/core/Mod.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace mods {

// What a mod file may hold at most: a mod is something a stranger sends.
inline constexpr std::size_t kMaxModFileBytes = 64u << 20;
inline constexpr std::size_t kMaxChanges = 50'000;
inline constexpr std::size_t kMaxTextBytes = 1u << 20;

// Reads a .vmod file's text. Throws ModError naming `shown` (the file the
// text came from), the change and the reason when the text is not a mod:
// not JSON, a key missing or of the wrong type, a path that leaves the
// game folder, base64 that does not read, too many changes, a text too
// long. Keys it does not know are kept in the Mod.
Mod readMod(std::string_view text, const std::string& shown);

// Reads a .vmod file as readMod does, naming it by its file name; one
// larger than a mod may be is refused before it is read. Throws IoError
// when it cannot be read.
Mod readModFile(const std::filesystem::path& file);

// The mod as a .vmod file's text (JSON, two-space indents, keys in a fixed
// order and unknown keys after them, a final line break).
std::string modText(const Mod& mod);

// Whether `version` is a semantic version (1.2.3, 1.0.0-beta.2+build).
bool isSemanticVersion(std::string_view version);

// A path below the game folder as a mod may name it: relative, '/' or '\'
// between names, no "." or ".." and no drive; nothing when it is not one.
// The result uses '/'.
std::optional<std::string> safeGamePath(std::string_view path);

} // namespace mods
