// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace menuwright {

// The game reads captions one byte per character, in the 8-bit Latin-1
// character set; the programs hold texts as UTF-8.

// Nothing when the text holds a character outside Latin-1 (or is not UTF-8).
std::optional<std::string> utf8ToLatin1(std::string_view utf8);
std::string latin1ToUtf8(std::string_view latin1);
bool isValidUtf8(std::string_view bytes);

// The first character outside Latin-1: its 1-based position in characters
// and its code point (U+FFFD for bytes that are not UTF-8).
struct ForeignCharacter {
    std::size_t position = 0;
    char32_t codePoint = 0;
};
std::optional<ForeignCharacter> firstOutsideLatin1(std::string_view utf8);

// Length and prefix in characters rather than bytes.
std::size_t characterCount(std::string_view utf8);
std::string firstCharacters(std::string_view utf8, std::size_t count);

} // namespace menuwright
