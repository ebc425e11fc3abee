// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/core/FileCatalogue.h"

namespace sortiekit {

// airfield.dat as Sortiekit writes it: per airfield number k a record
// "airfield k" with the four 16-bit base-slot values ("slotValue1" ...
// "slotValue4", -1 for no base) and the byte after them ("byte8"), which a
// chosen base has at 0. The master copy airfield.bak is never written and
// is not the game's file.
class AirfieldFileCatalogue : public common::FileCatalogue {
public:
    std::string_view kind() const override { return "airfield"; }
    bool holds(std::string_view fileName) const override { return fileName == "airfield.dat"; }
    std::vector<common::FieldPlace> fields(std::span<const std::uint8_t> bytes) const override;
    std::string text(std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const override;
    std::vector<std::uint8_t> withText(
        std::span<const std::uint8_t> bytes, const common::FieldPlace& place, std::string_view text) const override;
    std::optional<std::string> outOfDomain(
        std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const override;
};

} // namespace sortiekit
