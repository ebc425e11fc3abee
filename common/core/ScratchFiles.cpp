// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScratchFiles.h"

namespace common {

namespace {

constexpr std::string_view kMark = ".vtmp-";
constexpr std::size_t kUnique = 6; // mkstemp's XXXXXX

} // namespace

std::string temporaryPattern(const std::string& target)
{
    // Appended piece by piece: GCC 12 warns wrongly about "." + string.
    std::string name = ".";
    name += target;
    name += kMark;
    name += "XXXXXX";
    return name;
}

bool isTemporaryFor(std::string_view name, std::string_view target)
{
    return name.size() == 1 + target.size() + kMark.size() + kUnique && name.front() == '.'
        && name.substr(1, target.size()) == target && name.substr(1 + target.size(), kMark.size()) == kMark;
}

bool isScratchFileName(std::string_view name)
{
    if (name == kJournalName)
        return true;
    if (name.size() < 1 + 1 + kMark.size() + kUnique || name.front() != '.')
        return false;
    return name.substr(name.size() - kUnique - kMark.size(), kMark.size()) == kMark;
}

} // namespace common
