// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace ordnix {

// A byte the editor reads, named as the file's catalogue names it: the
// block ("record 3", "options 2") and the field in it ("slot1.weapon",
// "escort.count").
struct LoadoutField {
    std::string block;
    std::string field;
    std::size_t position = 0;

    bool operator==(const LoadoutField& other) const = default;
};

} // namespace ordnix
