// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace mods {

struct RemoveOutcome {
    std::size_t putBack = 0;
    // Fields a later mod set as well: they stay as that mod set them, and
    // that mod will put back what this one found.
    std::size_t handedOn = 0;
    // Fields changed since by something that is not a mod, left as they
    // are, each in a sentence.
    std::vector<std::string> leftAlone;
    std::vector<std::string> filesWritten;
};

} // namespace mods
