// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// Game files are found without regard to letter case, because an
// installation copied from Windows keeps whatever spelling it had there.
// `name` may hold several components separated by '\' or '/'. An exact
// match is preferred; otherwise the first entry (in name order) that
// matches case-insensitively is taken.
std::optional<std::filesystem::path> findNoCase(const std::filesystem::path& dir, std::string_view name);

// The existing file if one matches, else dir/name with the spelling given
// (where a created file goes).
std::filesystem::path resolveNoCase(const std::filesystem::path& dir, std::string_view name);

// Whether both names reach one file (links and spellings included); false
// when either is missing. std::filesystem::equivalent cannot tell on
// MinGW, which has no inode numbers.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// ASCII case-insensitive comparison, as the game's file names are ASCII.
bool equalsNoCase(std::string_view a, std::string_view b);

// The name in ASCII lower case, as names are compared.
std::string lowerCase(std::string text);

} // namespace common
