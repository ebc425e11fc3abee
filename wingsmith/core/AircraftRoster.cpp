// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftRoster.h"

#include <array>
#include <stdexcept>

namespace wingsmith {

namespace {
constexpr std::array<RosterRow, kAircraftCount> kRoster{{
    {"P-38H", "P38H.FLT", 21},
    {"P-38J", "P38J.FLT", 20},
    {"P-47C", "P47C.FLT", 22},
    {"P-47D", "P47D.FLT", 19},
    {"P-51B", "P51B.FLT", 23},
    {"P-51D", "P51D.FLT", 24},
    {"B-17F", "BB17.FLT", 13},
    {"B-24D", "B24A.FLT", 10},
    {"B-26B", "B26A.FLT", 1},
    {"Hurricane", "HURR.FLT", 14},
    {"Spit Ia", "SP2A.FLT", 27},
    {"Spit IX", "SP09.FLT", 18},
    {"Spit 14", "SP14.FLT", 26},
    {"Typhoon", "TYPH.FLT", 28},
    {"Tempest", "TEMP.FLT", 25},
    {"Mosquito", "MOSQ.FLT", 0},
    {"Bf 109E", "109E.FLT", 5},
    {"Bf 109G", "109G.FLT", 4},
    {"Bf 109K", "109K.FLT", 6},
    {"Bf 110C", "110C.FLT", 3},
    {"Bf 110G", "110G.FLT", 7},
    {"Me-410", "M410.FLT", 17},
    {"Fw 190A", "190A.FLT", 2},
    {"Fw 190D", "190D.FLT", 9},
    {"Me 262", "262A.FLT", 8},
    {"Ju-88A", "J88A.FLT", 11},
    {"Ju-88C", "J88C.FLT", 16},
    {"Ju-87", "JU87.FLT", 15},
    {"He-111", "H111.FLT", 12},
    {"V1", "V1V1.FLT", 29},
}};
} // namespace

const RosterRow& rosterByPosition(int position)
{
    if (position < 0 || position >= kAircraftCount)
        throw std::out_of_range("aircraft list position out of range");
    return kRoster[static_cast<std::size_t>(position)];
}

int positionOfFltName(std::string_view name)
{
    for (int p = 0; p < kAircraftCount; ++p)
        if (kRoster[static_cast<std::size_t>(p)].fltName == name)
            return p;
    return 0;
}

} // namespace wingsmith
