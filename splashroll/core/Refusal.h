// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace splashroll {

// A reason not to run at all, found before any command runs; what() is the
// one line the user reads.
class Refusal : public std::runtime_error {
public:
    explicit Refusal(const std::string& reason) : std::runtime_error(reason) {}
};

} // namespace splashroll
