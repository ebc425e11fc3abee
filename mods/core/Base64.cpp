// SPDX-License-Identifier: GPL-3.0-or-later
#include "mods/core/Base64.h"

#include <algorithm>

namespace mods {

namespace {

constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int letterValue(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

} // namespace

std::string base64Encode(std::span<const std::uint8_t> bytes)
{
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t v = std::uint32_t{bytes[i]} << 16;
        if (n > 1)
            v |= std::uint32_t{bytes[i + 1]} << 8;
        if (n > 2)
            v |= bytes[i + 2];
        out += kLetters[(v >> 18) & 63];
        out += kLetters[(v >> 12) & 63];
        out += n > 1 ? kLetters[(v >> 6) & 63] : '=';
        out += n > 2 ? kLetters[v & 63] : '=';
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> base64Decode(std::string_view text)
{
    if (text.size() % 4 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> out;
    out.reserve(text.size() / 4 * 3);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        const int pad = last ? (text[i + 3] == '=') + (text[i + 2] == '=') : 0;
        if (pad == 1 && text[i + 2] == '=')
            return std::nullopt;
        std::uint32_t v = 0;
        for (int k = 0; k < 4 - pad; ++k) {
            const int d = letterValue(text[i + k]);
            if (d < 0)
                return std::nullopt;
            v |= static_cast<std::uint32_t>(d) << (18 - 6 * k);
        }
        // Bits beyond the last byte must be zero, so each text has one decoding.
        if ((pad == 1 && (v & 0xff)) || (pad == 2 && (v & 0xffff)))
            return std::nullopt;
        out.push_back(static_cast<std::uint8_t>(v >> 16));
        if (pad < 2)
            out.push_back(static_cast<std::uint8_t>(v >> 8));
        if (pad < 1)
            out.push_back(static_cast<std::uint8_t>(v));
    }
    return out;
}

} // namespace mods
