// SPDX-License-Identifier: GPL-3.0-or-later
#include "NameList.h"

#include <cmath>

namespace ordnix {

bool NameList::hasCode(double code) const
{
    return code >= 0 && code == std::floor(code) && code < static_cast<double>(names_.size());
}

std::string NameList::nameOf(double code, const std::string& codeText) const
{
    if (hasCode(code))
        return names_[static_cast<std::size_t>(code)];
    return "(code " + codeText + ")";
}

} // namespace ordnix
