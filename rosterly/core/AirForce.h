// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace rosterly {

// The air force a squadron file belongs to, told by its name: the game
// names them squs????.dat, squk????.dat and sqgr????.dat.
enum class AirForce { None, UnitedStates, Britain, Germany };

// Looks at the four characters after the last path separator ('\' or '/')
// without regard to case; any other name belongs to no air force.
AirForce airForceOf(std::string_view fullName);

// Aircraft codes an air force may fly, both ends included; empty for None.
struct CodeRange {
    int first = 0;
    int last = -1;
    bool contains(int code) const { return code >= first && code <= last; }
};
CodeRange codesOf(AirForce force);

} // namespace rosterly
