// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace menuwright {

// A layout that cannot be written: a text too long for its one-byte length,
// a character outside Latin-1, or a coordinate outside two bytes. Nothing is
// written when it is thrown; what() names the row and field for the user.
class MenuFileError : public std::runtime_error {
public:
    enum class Field { PictureName, Caption, L, T, W, H };
    enum class Problem { TooLong, NotLatin1, OutOfRange };

    // `row` is -1 for the picture name.
    MenuFileError(int row, Field field, Problem problem, const std::string& value);

    int row() const { return row_; }
    Field field() const { return field_; }
    Problem problem() const { return problem_; }

private:
    int row_;
    Field field_;
    Problem problem_;
};

} // namespace menuwright
