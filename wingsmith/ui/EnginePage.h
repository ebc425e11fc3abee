// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldPage.h"

#include <vector>

class QComboBox;
class QLineEdit;

namespace wingsmith {

class UpDown;

// "Engine data": a row for each engine field, a list where the field takes
// only some values, a number field otherwise; the engine count moves by
// its arrows.
class EnginePage : public FieldPage {
public:
    EnginePage(const PageCatalogue& catalogue, PageHooks& hooks, QWidget* parent = nullptr);

    void fill(const AircraftValues& values) override;

private:
    void listChosen(std::size_t control, int item);
    void arrowsClicked(std::size_t control);

    struct Control {
        PageField field;
        QLineEdit* edit = nullptr;
        UpDown* arrows = nullptr;
        QComboBox* list = nullptr;
        std::vector<std::int64_t> values;    // a list's item values, a coded field's codes
        std::vector<std::uint32_t> patterns; // a list of float patterns
        int decimals = -1;                   // a number field's fixed decimals; -1 general
    };
    std::vector<Control> controls_;
};

} // namespace wingsmith
