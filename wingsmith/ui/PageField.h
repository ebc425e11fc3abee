// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wingsmith/core/AircraftValues.h"
#include "wingsmith/core/RecordField.h"

namespace wingsmith {

// A field a page shows, and the record it lies in.
struct PageField {
    RecordKind record = RecordKind::FlightRecord;
    const RecordField* field = nullptr;
};

} // namespace wingsmith
