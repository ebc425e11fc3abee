// SPDX-License-Identifier: GPL-3.0-or-later
#include "mods/core/FieldStacks.h"

namespace mods {

FieldStacks::FieldStacks(InstalledMods& installed)
{
    for (std::size_t m = 0; m < installed.mods.size(); ++m) {
        for (auto& f : installed.mods[m].fields)
            byKey_[fieldKey(f.file, f.record, f.field)].push_back({m, &f, nullptr});
        for (auto& f : installed.mods[m].files)
            byKey_[fieldKey(f.file, "", "")].push_back({m, nullptr, &f});
    }
}

const FieldStacks::Entry* FieldStacks::top(const std::string& key) const
{
    const auto it = byKey_.find(key);
    return it == byKey_.end() ? nullptr : &it->second.back();
}

const FieldStacks::Entry* FieldStacks::firstFrom(const std::string& key, std::size_t from) const
{
    const auto it = byKey_.find(key);
    if (it == byKey_.end())
        return nullptr;
    for (const Entry& e : it->second)
        if (e.mod >= from)
            return &e;
    return nullptr;
}

} // namespace mods
