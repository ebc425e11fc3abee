// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bayward/core/Placement.h"

#include "common/ui/ButtonRowsDocument.h"

#include "menuwright/menufile/HangarLayout.h"

namespace bayward {

// The five hangar buttons, as the button table and the picture window show
// them, in Bayward's own operations.
class HangarRowsDocument : public common::ButtonRowsDocument {
    Q_OBJECT

public:
    explicit HangarRowsDocument(QObject* parent = nullptr);

    menuwright::HangarLayout layout() const;
    // The default captions and no coordinates; no step.
    void setDefaults();
    // The button's rectangle dragged out on the picture, its coordinates
    // copied into its row: one step.
    void placeButton(int row, const Placement& placement);
    void hideButton(int row);
};

} // namespace bayward
