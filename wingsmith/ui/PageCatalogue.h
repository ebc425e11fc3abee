// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageField.h"

#include "wingsmith/core/AircraftCatalogue.h"
#include "wingsmith/core/RecordField.h"

#include <string_view>
#include <vector>

namespace wingsmith {

// The catalogues the pages are built from: the program's own unless a test
// hands in others. The vectors must outlive the pages.
struct PageCatalogue {
    const std::vector<RecordField>* flightRecord = nullptr;
    const std::vector<RecordField>* gunTableRow = nullptr;

    static PageCatalogue program();
    static PageCatalogue of(const AircraftCatalogue& catalogue);
    // The fields whose page is `page`, flight record first, each in
    // catalogue order.
    std::vector<PageField> fieldsOf(std::string_view page) const;
};

} // namespace wingsmith
