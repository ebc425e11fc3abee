// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sortiekit {

// One airfield of airbase.txt.
struct Airfield {
    std::string name;
    // The hexadecimal text as written, for messages about it.
    std::string numberText;
    // The record number in airfield.dat; empty if it does not fit in 16 bits.
    std::optional<std::int16_t> number;
};

} // namespace sortiekit
