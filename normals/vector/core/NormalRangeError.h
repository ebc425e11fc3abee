// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace vector {

// A normal whose differences or products leave the signed 16-bit range the
// model's numbers are computed in, or a typed number that does not fit it.
class NormalRangeError : public std::runtime_error {
public:
    explicit NormalRangeError(const std::string& text) : std::runtime_error(text) {}
};

} // namespace vector
