// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldPage.h"

#include <vector>

namespace wingsmith {

class UpDown;

// "Damage data": the hit bubbles, the collision values and a field with
// arrows for each section's hit points.
class DamagePage : public FieldPage {
public:
    DamagePage(const PageCatalogue& catalogue, PageHooks& hooks, QWidget* parent = nullptr);

    void fill(const AircraftValues& values) override;

private:
    struct HitPoints {
        PageField field;
        UpDown* arrows;
    };
    std::vector<HitPoints> hitPoints_;
};

} // namespace wingsmith
