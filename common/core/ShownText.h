// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace common {

// Input quoted in a message, made safe for one terminal line: control
// characters and bytes that are not UTF-8 are shown escaped (\r, \n, \t,
// \xNN), and text longer than `limit` characters is cut, ending in "...".
// A hostile file or argument then cannot flood the screen, split the
// message over several lines or send the terminal commands.
std::string shownText(std::string_view text, std::size_t limit = 60);

} // namespace common
