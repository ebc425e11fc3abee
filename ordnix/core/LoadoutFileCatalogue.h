// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/core/FileCatalogue.h"

namespace ordnix {

// loadout.dat byte by byte as the editor reads it: every loadout record's
// named bytes ("record 0" ... "record 179") and the mission option block of
// each aircraft code the file reaches ("options 0" ...). Records are named
// by their place, not by an aircraft name, which only the plane list knows.
class LoadoutFileCatalogue : public common::FileCatalogue {
public:
    std::string_view kind() const override { return "loadout"; }
    bool holds(std::string_view fileName) const override { return fileName == "loadout.dat"; }
    std::vector<common::FieldPlace> fields(std::span<const std::uint8_t> bytes) const override;
    std::string text(std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const override;
    std::vector<std::uint8_t> withText(
        std::span<const std::uint8_t> bytes, const common::FieldPlace& place, std::string_view text) const override;
    std::optional<std::string> outOfDomain(
        std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const override;
};

} // namespace ordnix
