// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/core/FileCatalogue.h"

namespace menuwright {

// The selection and hangar menu files as the writer lays them out: the
// picture name of a selection file ("picture", field "name") and every
// button entry in file order ("button 1" ..., fields "id", "caption", "L",
// "T", "W", "H"). A text's length lies in the bytes before it and the
// entries follow it back to back, so a caption or picture name keeps the
// length it has in the file: a text of another length is refused.
class MenuFileCatalogue : public common::FileCatalogue {
public:
    std::string_view kind() const override { return "menu"; }
    bool holds(std::string_view fileName) const override;
    std::vector<common::FieldPlace> fields(std::span<const std::uint8_t> bytes) const override;
    std::string text(std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const override;
    std::vector<std::uint8_t> withText(
        std::span<const std::uint8_t> bytes, const common::FieldPlace& place, std::string_view text) const override;
    std::optional<std::string> outOfDomain(
        std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const override;
};

} // namespace menuwright
