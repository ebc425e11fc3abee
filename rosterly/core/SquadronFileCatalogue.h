// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/core/FileCatalogue.h"

namespace rosterly {

// A squadron file (sq????.dat) as Rosterly reads it: the aircraft code of
// every record it lists ("record 1" ..., field "aircraft"), as a decimal code.
class SquadronFileCatalogue : public common::FileCatalogue {
public:
    std::string_view kind() const override { return "squadron"; }
    bool holds(std::string_view fileName) const override;
    std::vector<common::FieldPlace> fields(std::span<const std::uint8_t> bytes) const override;
    std::string text(std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const override;
    std::vector<std::uint8_t> withText(
        std::span<const std::uint8_t> bytes, const common::FieldPlace& place, std::string_view text) const override;
    std::optional<std::string> outOfDomain(
        std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const override;
};

} // namespace rosterly
