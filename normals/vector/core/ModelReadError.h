// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace vector {

// A model the reader cannot follow: a position outside what the file
// format can address, too many vertices, or a file that ends too early.
// The text names the problem for the user.
class ModelReadError : public std::runtime_error {
public:
    explicit ModelReadError(const std::string& text) : std::runtime_error(text) {}
};

} // namespace vector
