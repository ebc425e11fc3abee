// SPDX-License-Identifier: GPL-3.0-or-later
#include "Latin1Text.h"

#include <cstdint>

namespace menuwright {

namespace {

// Decodes one UTF-8 sequence at `pos`; returns its length, or 0 when the
// bytes there are not well-formed UTF-8.
std::size_t decodeOne(std::string_view s, std::size_t pos, char32_t& out)
{
    const auto b0 = static_cast<std::uint8_t>(s[pos]);
    if (b0 < 0x80) {
        out = b0;
        return 1;
    }
    std::size_t len = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        out = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        out = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        out = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (pos + len > s.size())
        return 0;
    for (std::size_t i = 1; i < len; ++i) {
        const auto b = static_cast<std::uint8_t>(s[pos + i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        out = (out << 6) | (b & 0x3F);
    }
    if (out < min || out > 0x10FFFF || (out >= 0xD800 && out <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

std::optional<std::string> utf8ToLatin1(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t c = 0;
        const std::size_t len = decodeOne(utf8, pos, c);
        if (len == 0 || c > 0xFF)
            return std::nullopt;
        out += static_cast<char>(static_cast<std::uint8_t>(c));
        pos += len;
    }
    return out;
}

std::string latin1ToUtf8(std::string_view latin1)
{
    std::string out;
    out.reserve(latin1.size());
    for (const char ch : latin1) {
        const auto c = static_cast<std::uint8_t>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool isValidUtf8(std::string_view bytes)
{
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t c = 0;
        const std::size_t len = decodeOne(bytes, pos, c);
        if (len == 0)
            return false;
        pos += len;
    }
    return true;
}

std::optional<ForeignCharacter> firstOutsideLatin1(std::string_view utf8)
{
    std::size_t position = 1;
    for (std::size_t pos = 0; pos < utf8.size(); ++position) {
        char32_t c = 0;
        const std::size_t len = decodeOne(utf8, pos, c);
        if (len == 0)
            return ForeignCharacter{position, 0xFFFD};
        if (c > 0xFF)
            return ForeignCharacter{position, c};
        pos += len;
    }
    return std::nullopt;
}

std::size_t characterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char ch : utf8)
        if ((static_cast<std::uint8_t>(ch) & 0xC0) != 0x80)
            ++count;
    return count;
}

std::string firstCharacters(std::string_view utf8, std::size_t count)
{
    std::size_t pos = 0;
    std::size_t seen = 0;
    while (pos < utf8.size()) {
        if ((static_cast<std::uint8_t>(utf8[pos]) & 0xC0) != 0x80) {
            if (seen == count)
                break;
            ++seen;
        }
        ++pos;
    }
    return std::string(utf8.substr(0, pos));
}

} // namespace menuwright
