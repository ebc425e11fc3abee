// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace common {

// Paths from and to the UTF-8 text the programs keep names in. Elsewhere
// than Windows a name is its bytes; on Windows it is UTF-16, and a name
// holding a lone surrogate keeps it as that surrogate's three bytes, so
// that every name on disk comes back as it was. (A narrow path would go
// through the ANSI code page there and lose or refuse letters.)
std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);
// With '/' between folders on every system, as the mods and lists name files.
std::string genericUtf8FromPath(const std::filesystem::path& path);

} // namespace common
