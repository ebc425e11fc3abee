// SPDX-License-Identifier: GPL-3.0-or-later
#include "PathText.h"

#include "Utf8.h"

namespace common {

#ifdef _WIN32

std::filesystem::path pathFromUtf8(std::string_view text)
{
    std::wstring wide;
    wide.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        // The three bytes of a lone surrogate, which UTF-8 itself refuses.
        if (byte == 0xED && at + 2 < text.size() && (static_cast<unsigned char>(text[at + 1]) & 0xE0) == 0xA0
            && (static_cast<unsigned char>(text[at + 2]) & 0xC0) == 0x80) {
            wide += static_cast<wchar_t>(0xD000 | ((text[at + 1] & 0x3F) << 6) | (text[at + 2] & 0x3F));
            at += 3;
            continue;
        }
        const auto [code, length] = utf8At(text, at);
        if (length == 0) {
            wide += static_cast<wchar_t>(0xFFFD);
            ++at;
            continue;
        }
        if (code >= 0x10000) {
            wide += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(code);
        }
        at += length;
    }
    return std::filesystem::path(std::move(wide));
}

std::string utf8FromPath(const std::filesystem::path& path)
{
    const std::wstring& text = path.native();
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = static_cast<char16_t>(text[i]);
        const char32_t next = i + 1 < text.size() ? static_cast<char16_t>(text[i + 1]) : 0;
        if (code >= 0xD800 && code <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (next - 0xDC00);
            ++i;
        }
        if (code >= 0xD800 && code <= 0xDFFF) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            appendUtf8(out, code);
        }
    }
    return out;
}

#else

std::filesystem::path pathFromUtf8(std::string_view text)
{
    return std::filesystem::path(std::string(text));
}

std::string utf8FromPath(const std::filesystem::path& path)
{
    return path.native();
}

#endif

std::string genericUtf8FromPath(const std::filesystem::path& path)
{
    return utf8FromPath(std::filesystem::path(path.generic_string<std::filesystem::path::value_type>()));
}

} // namespace common
