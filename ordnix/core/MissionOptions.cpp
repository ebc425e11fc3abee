// SPDX-License-Identifier: GPL-3.0-or-later
#include "MissionOptions.h"

#include "ValueText.h"

#include <cmath>

namespace ordnix {

MissionOptions ReadMission(const LoadoutImage& image, std::size_t anchor, int t)
{
    MissionOptions mission;
    mission.countPosition = OptionCountPosition(anchor, t);
    mission.count = image.currentText(mission.countPosition);
    for (int k = 0; k < kOptionCount; ++k) {
        const std::size_t at = OptionPosition(anchor, t, k + 1);
        mission.optionPositions[static_cast<std::size_t>(k)] = at;
        mission.options[static_cast<std::size_t>(k)] = image.currentText(at);
    }
    return mission;
}

MissionOptions StoredMission(const MissionOptions& edited)
{
    MissionOptions stored = edited;
    for (std::string& option : stored.options)
        option = WholeNumberText(std::floor(LeadingNumber(option)));
    return stored;
}

void StoreMission(LoadoutImage& image, const MissionOptions& edited)
{
    // Check every position first, so that a bad one stores nothing.
    bool inside = image.contains(edited.countPosition);
    for (std::size_t at : edited.optionPositions)
        inside = inside && image.contains(at);
    if (!inside)
        throw std::out_of_range("mission options outside the loaded file");
    const MissionOptions stored = StoredMission(edited);
    image.setCurrent(stored.countPosition, stored.count);
    for (std::size_t k = 0; k < stored.options.size(); ++k)
        image.setCurrent(stored.optionPositions[k], stored.options[k]);
}

} // namespace ordnix
