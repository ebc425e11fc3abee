// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldPage.h"

#include <cstdint>
#include <vector>

class QCheckBox;

namespace wingsmith {

// "Aircraft type": a check box for each captioned bit of the type-flag
// bytes, a column a byte, and the note on impossible combinations.
class TypePage : public FieldPage {
public:
    TypePage(const PageCatalogue& catalogue, PageHooks& hooks, QWidget* parent = nullptr);

    void fill(const AircraftValues& values) override;
    std::vector<QCheckBox*> boxes() const;
    // Makes the box's bit match the box, one step when it changed.
    void commitBox(QCheckBox* box);

    // The bit of `byte` set or cleared as `checked` says; the rest kept.
    static std::uint8_t CheckBoxRem(std::uint8_t byte, bool checked, std::uint8_t bit);

private:
    struct Box {
        QCheckBox* box;
        PageField field;
        std::uint8_t bit;
    };
    std::vector<Box> boxes_;
};

} // namespace wingsmith
