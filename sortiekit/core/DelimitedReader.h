// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sortiekit {

// Reads the fields of comma-delimited text one after the other, the way
// the game's airfield list is written: a field ends at a comma or a line
// end, leading blanks are skipped, and a field in double quotes may hold
// commas. Blank lines between records are skipped.
class DelimitedReader {
public:
    explicit DelimitedReader(std::string_view text) : text_(text) {}

    // The next field; empty once the text is used up.
    std::optional<std::string> next();

private:
    bool atLineEnd() const;
    void skipLineEnd();
    void skipBlanks();
    // Consumes what ends a field: a comma, a line end, or the end of text.
    void endField();

    std::string_view text_;
    std::size_t pos_ = 0;
    // The previous field ended with a comma, so another field must follow
    // even if only a line end comes.
    bool afterComma_ = false;
};

} // namespace sortiekit
