// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldPage.h"

namespace wingsmith {

// "Flight control data": control surfaces, flight limits and masses, each
// a one-column grid whose rows bear the fields' captions.
class ControlPage : public FieldPage {
public:
    ControlPage(const PageCatalogue& catalogue, PageHooks& hooks, QWidget* parent = nullptr);
};

} // namespace wingsmith
