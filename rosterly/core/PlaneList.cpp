// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaneList.h"

#include "common/core/TextLines.h"

namespace rosterly {

PlaneList PlaneList::fromText(std::string_view text)
{
    const auto lines = common::splitTextLines(text);
    PlaneList list;
    list.linesInFile_ = static_cast<int>(lines.size());
    for (std::size_t i = 0; i < lines.size() && i < list.names_.size(); ++i)
        list.names_[i] = lines[i];
    return list;
}

PlaneList PlaneList::load(const std::filesystem::path& file)
{
    return fromText(common::readFileBytes(file));
}

const std::string& PlaneList::name(int code) const
{
    static const std::string none;
    if (code < 0 || code >= kCapacity)
        return none;
    return names_[static_cast<std::size_t>(code)];
}

bool PlaneList::covers(int code) const
{
    return code >= 0 && code < kCapacity && code < linesInFile_;
}

std::string PlaneList::recordName(std::uint8_t code) const
{
    if (code > kHighestAircraft || !covers(code))
        return "Error";
    return name(code);
}

} // namespace rosterly
