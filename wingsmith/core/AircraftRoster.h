// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace wingsmith {

inline constexpr int kAircraftCount = 30;

// One row of the fixed roster: the caption in the aircraft list, the name of
// the loose flight-record file, and where the record sits inside FLT.CDF.
struct RosterRow {
    std::string_view caption;
    std::string_view fltName;
    int archiveIndex;
};

// The row at a list position (0 to 29).
const RosterRow& rosterByPosition(int position);

// The list position of a flight-record file name, compared exactly (case
// included); a name that matches none gives position 0.
int positionOfFltName(std::string_view name);

} // namespace wingsmith
