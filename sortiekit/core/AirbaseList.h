// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Airfield.h"
#include "DelimitedReader.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

namespace sortiekit {

// The 162 airfields of airbase.txt: entry i is line i of each base list.
class AirbaseList {
public:
    static constexpr int kCount = 162;

    // Throws SortiekitError when fewer than 162 records are found.
    static AirbaseList parse(std::string_view text);
    // Reads airbase.txt of the game folder. Throws SortiekitError when it
    // is missing or short, common::IoError when it cannot be read.
    static AirbaseList load(const std::filesystem::path& folder);

    // The next entry of the text, as parse() reads each of the 162;
    // nothing once the text is used up.
    static std::optional<Airfield> readEntry(DelimitedReader& reader);
    // The airfield.dat record number of a base chosen for `slot`. Throws
    // SortiekitError, naming the airfield, for a number that does not fit
    // or one beyond the records.
    static int recordNumber(const Airfield& field);

    const Airfield& operator[](int entry) const { return airfields_.at(static_cast<std::size_t>(entry)); }

    // The airfield.dat record numbers of the entries chosen for the four
    // slots (-1: none chosen). Throws SortiekitError, naming the airfield,
    // for a missing choice, a number that does not fit or one beyond the
    // 162 records.
    std::array<int, 4> recordNumbers(const std::array<int, 4>& entries) const;

private:
    std::array<Airfield, kCount> airfields_;
};

} // namespace sortiekit
