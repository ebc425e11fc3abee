// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mods/core/InstalledMods.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace mods {

// The installed mods' entries by field (fieldKey; a whole file's record and
// field are empty), in install order: the stack of values each field holds.
// Points into `installed`, which must not change while it is in use.
class FieldStacks {
public:
    struct Entry {
        std::size_t mod = 0; // its index in installed.mods
        InstalledField* field = nullptr;
        InstalledFile* file = nullptr;
    };

    explicit FieldStacks(InstalledMods& installed);

    // The entry of the last mod that set the field; nullptr when none did.
    const Entry* top(const std::string& key) const;
    // The entry of the first mod at index `from` or later that set it.
    const Entry* firstFrom(const std::string& key, std::size_t from) const;

private:
    std::map<std::string, std::vector<Entry>> byKey_;
};

} // namespace mods
