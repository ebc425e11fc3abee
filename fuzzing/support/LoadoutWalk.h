// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What showing every record of a loadout file reads: the record list, then
// each record and the mission options of its aircraft. Shared by the fuzz
// target and the truncation test, so both read the file as the editor does.
#include "ordnix/core/LoadoutImage.h"
#include "ordnix/core/LoadoutRecord.h"
#include "ordnix/core/MissionOptions.h"
#include "ordnix/core/NameList.h"
#include "ordnix/core/RecordList.h"
#include "ordnix/core/ValueText.h"

#include <cmath>
#include <set>

namespace fuzzing {

// `firstShown` and `step` pick the records whose slots are read (every
// record's name and mission options are read in any case): all records go
// through the same code, so a fuzzer may read a few per input.
template <typename EachRecord>
void walkLoadoutRecords(const ordnix::LoadoutImage& image, const ordnix::NameList& planes, EachRecord each,
    std::size_t firstShown = 0, std::size_t step = 1)
{
    using namespace ordnix;
    const RecordList records = NameRecords(image, planes);
    // Records of one aircraft share its mission options; reading them again
    // would give the same result.
    std::set<std::size_t> anchorsRead;
    for (std::size_t i = 0; i < kRecordCount; ++i) {
        const double code = std::floor(LeadingNumber(image.currentText(records[i].start)));
        const std::size_t anchor = OptionAnchor(code > 0 ? static_cast<std::size_t>(code) : 0);
        if (anchorsRead.insert(anchor).second)
            for (int t = 0; t < kMissionCount; ++t)
                (void)ReadMission(image, anchor, t);
        if (i >= firstShown && (i - firstShown) % step == 0)
            each(ReadRecord(image, i));
    }
}

} // namespace fuzzing
