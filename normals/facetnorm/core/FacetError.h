// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace facetnorm {

// A facet that cannot be computed in single precision: a typed text that
// is not a number, or an overflow on the way. The text is for the user.
class FacetError : public std::runtime_error {
public:
    explicit FacetError(const std::string& text) : std::runtime_error(text) {}
};

} // namespace facetnorm
