#include "ShownText.h"

#include <cstdint>

namespace common {

namespace {

// Length of the well-formed UTF-8 sequence at `at`, or 0 for a stray byte.
std::size_t utf8Length(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, code = lead & 0x1Fu;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, code = lead & 0x0Fu;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, code = lead & 0x07u;
    else
        return 0;
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0u) != 0x80u)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3Fu);
    }
    // Overlong forms, surrogates and code points past Unicode are not text.
    const std::uint32_t least = length == 2 ? 0x80u : length == 3 ? 0x800u : 0x10000u;
    if (code < least || (code >= 0xD800u && code <= 0xDFFFu) || code > 0x10FFFFu)
        return 0;
    // C1 control characters (U+0080 to U+009F) are shown escaped too.
    if (code < 0xA0u)
        return 0;
    return length;
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
