// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/core/FileCatalogue.h"

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace mods {

// A file's fields by record and name, listed once: a mod names a thousand
// fields of one file, and the catalogue's find() lists them all each time.
class FieldIndex {
public:
    FieldIndex(const common::FileCatalogue& catalogue, std::span<const std::uint8_t> bytes)
    {
        for (auto& p : catalogue.fields(bytes))
            places_.emplace(std::pair(p.record, p.field), std::move(p));
    }
    std::optional<common::FieldPlace> find(const std::string& record, const std::string& field) const
    {
        const auto it = places_.find(std::pair(record, field));
        return it == places_.end() ? std::nullopt : std::optional(it->second);
    }

private:
    std::map<std::pair<std::string, std::string>, common::FieldPlace> places_;
};

} // namespace mods
