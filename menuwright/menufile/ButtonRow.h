// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace menuwright {

// One button of a menu screen. The coordinates stay the texts the user typed
// (or a tool produced) until a menu file is written; all texts are UTF-8.
struct ButtonRow {
    std::string caption;
    std::string L;
    std::string T;
    std::string W;
    std::string H;

    bool operator==(const ButtonRow&) const = default;
};

} // namespace menuwright
