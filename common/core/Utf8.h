// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace common {

// The code point of the well-formed UTF-8 sequence at `at` and its length;
// length 0 for a byte that begins none (a stray byte, an overlong form, a
// surrogate or a code point past Unicode).
struct Utf8Sequence {
    char32_t code = 0;
    std::size_t length = 0;
};
Utf8Sequence utf8At(std::string_view bytes, std::size_t at);

void appendUtf8(std::string& out, char32_t code);

} // namespace common
