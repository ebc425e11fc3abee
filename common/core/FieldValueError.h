// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace common {

// A value text that does not read as, or does not fit, its field; what()
// says why, for the user.
class FieldValueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace common
