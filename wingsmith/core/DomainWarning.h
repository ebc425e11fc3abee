// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace wingsmith {

// A field whose stored value the game does not know: a code outside its
// list or a number outside its range. A warning only; nothing refuses it.
struct DomainWarning {
    std::string field;    // the catalogue name, e.g. "gun2.caliber"
    std::string value;    // as vantor prints it
    std::string expected; // e.g. "one of 2, 4, 12, 24" or "0 to 6"
};

} // namespace wingsmith
