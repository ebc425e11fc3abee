// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace wingsmith {

// A value a coded field takes, with the name the pages' lists show for it.
struct FieldCode {
    std::int64_t value;
    const char* name;
};

} // namespace wingsmith
