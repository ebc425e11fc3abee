// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoadoutImage.h"
#include "LoadoutLayout.h"
#include "NameList.h"

#include <array>
#include <cstddef>
#include <string>

namespace ordnix {

// One row of the record list: the record's start position links it to the
// image; out-of-order records are hidden.
struct RecordRow {
    std::size_t start = 0;
    std::string name;
    bool hidden = false;
};

using RecordList = std::array<RecordRow, kRecordCount>;

// Names the 180 records after their aircraft, numbering consecutive records
// of one aircraft 1, 2, 3 ...; a record whose code is lower than one seen
// before is hidden. A code without a plane-list entry is named "(code N)".
RecordList NameRecords(const LoadoutImage& image, const NameList& planes);

} // namespace ordnix
