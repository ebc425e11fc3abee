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

// A line of a layout text file: taken as UTF-8 when it is valid UTF-8 (a
// file saved by a modern editor), else as Latin-1 (a file the game's tools
// wrote), so that both read back as the captions they hold.
std::string decodeTextLine(std::string_view bytes);

// Length and prefix in characters rather than bytes.
std::size_t characterCount(std::string_view utf8);
std::string firstCharacters(std::string_view utf8, std::size_t count);

} // namespace menuwright
