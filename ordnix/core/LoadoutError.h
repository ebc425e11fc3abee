// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace ordnix {

// A request the loadout logic refuses (a file too short, a value that is
// not a byte, no room for a copy); what() is the text shown to the user.
class LoadoutError : public std::runtime_error {
public:
    explicit LoadoutError(const std::string& text) : std::runtime_error(text) {}
};

} // namespace ordnix
