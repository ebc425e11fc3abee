// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownText.h"

#include "Utf8.h"

#include <cstdint>

namespace common {

namespace {

// Length of the well-formed UTF-8 sequence at `at`, or 0 for a stray byte;
// C1 control characters (U+0080 to U+009F) are shown escaped too.
std::size_t utf8Length(std::string_view text, std::size_t at)
{
    const Utf8Sequence s = utf8At(text, at);
    return s.length > 1 && s.code >= 0xA0u ? s.length : 0;
}

std::string hexEscape(std::uint8_t byte)
{
    static const char digits[] = "0123456789ABCDEF";
    return std::string("\\x") + digits[byte >> 4] + digits[byte & 0x0F];
}

} // namespace

std::string shownText(std::string_view text, std::size_t limit)
{
    std::string out;
    std::size_t characters = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (characters == limit)
            return out + "...";
        const auto byte = static_cast<std::uint8_t>(text[at]);
        if (byte >= 0x20 && byte < 0x7F) {
            out += text[at];
            ++at;
        } else if (const std::size_t length = byte >= 0x80 ? utf8Length(text, at) : 0) {
            out.append(text.substr(at, length));
            at += length;
        } else {
            out += byte == '\r' ? std::string("\\r")
                : byte == '\n'  ? std::string("\\n")
                : byte == '\t'  ? std::string("\\t")
                                : hexEscape(byte);
            ++at;
        }
        ++characters;
    }
    return out;
}

} // namespace common
