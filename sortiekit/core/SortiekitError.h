// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace sortiekit {

// A refusal: the game files do not allow what was asked. what() is the
// user text; no file has been changed when it is thrown.
class SortiekitError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace sortiekit
