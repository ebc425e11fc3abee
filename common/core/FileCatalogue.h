// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/core/FieldPlace.h"
#include "common/core/FieldValueError.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// What one kind of game file holds, field by field: the one place that
// knows the kind's bytes, which diff, check and mods read through. Bytes
// that no field covers are the game's own and are never interpreted.
class FileCatalogue {
public:
    virtual ~FileCatalogue() = default;

    // The kind's name in mods and messages ("flight record", "loadout").
    virtual std::string_view kind() const = 0;
    // Whether a game file of this name (lower case, no folder) is of the kind.
    virtual bool holds(std::string_view fileName) const = 0;
    // Every field the bytes hold, in file order; none when they are too
    // short or otherwise not of the kind.
    virtual std::vector<FieldPlace> fields(std::span<const std::uint8_t> bytes) const = 0;
    // The field's value as the windows and `vantor` print it; reading it
    // back with withText() gives the same bytes.
    virtual std::string text(std::span<const std::uint8_t> bytes, const FieldPlace& place) const = 0;
    // The bytes with the field set to `text`. Throws FieldValueError when
    // the text does not read as the field's type or lies outside its range.
    virtual std::vector<std::uint8_t> withText(
        std::span<const std::uint8_t> bytes, const FieldPlace& place, std::string_view text) const = 0;
    // Why the value lies outside what the game knows (a code no list
    // holds); nothing when it does not. Only ever a warning.
    virtual std::optional<std::string> outOfDomain(std::span<const std::uint8_t>, const FieldPlace&) const
    {
        return std::nullopt;
    }

    // Every field in use whose value lies outside its domain, in file
    // order, as "RECORD FIELD: why".
    std::vector<std::string> domainWarnings(std::span<const std::uint8_t> bytes) const;

    // The place of a field by its record and name; nothing when the bytes
    // hold no such field.
    std::optional<FieldPlace> find(
        std::span<const std::uint8_t> bytes, std::string_view record, std::string_view field) const;

    // A place the bytes end before: each kind refuses it so, never reading
    // or writing past their end.
    static FieldValueError endsBefore(const FieldPlace& place);
    static void refuseBeyondEnd(std::span<const std::uint8_t> bytes, const FieldPlace& place, std::size_t width);
};

} // namespace common
