// SPDX-License-Identifier: GPL-3.0-or-later
#include "AirForce.h"

#include "common/core/FileLookup.h"

namespace rosterly {

AirForce airForceOf(std::string_view fullName)
{
    const auto slash = fullName.find_last_of("\\/");
    const std::string_view name = slash == std::string_view::npos ? fullName : fullName.substr(slash + 1);
    const std::string_view prefix = name.substr(0, 4);
    if (common::equalsNoCase(prefix, "SQUS"))
        return AirForce::UnitedStates;
    if (common::equalsNoCase(prefix, "SQUK"))
        return AirForce::Britain;
    if (common::equalsNoCase(prefix, "SQGR"))
        return AirForce::Germany;
    return AirForce::None;
}

CodeRange codesOf(AirForce force)
{
    switch (force) {
    case AirForce::UnitedStates: return {0, 8};
    case AirForce::Britain: return {9, 15};
    case AirForce::Germany: return {16, 29};
    case AirForce::None: break;
    }
    return {};
}

} // namespace rosterly
