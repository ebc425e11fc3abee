// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldPage.h"

namespace wingsmith {

// "Flight stability data": a one-column grid for each stability block.
class StabilityPage : public FieldPage {
public:
    StabilityPage(const PageCatalogue& catalogue, PageHooks& hooks, QWidget* parent = nullptr);
};

} // namespace wingsmith
