// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordnix/ui/SlotChoiceBox.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace ordnix {
namespace {

// The slot lists keep the size Qt's own policy gives them, short or long
// names in them, in any font: the slot editor's grid is laid out by it.
TEST(SlotChoiceBox, IsAsWideAsQtsMinimumContentsLengthPolicyMakesIt)
{
    for (const int points : {9, 14}) {
        for (const QStringList& items : {QStringList{}, QStringList{"None", "500 lb GP bomb"},
                 QStringList{"A weapon name far longer than fourteen characters"}}) {
            QComboBox qt;
            qt.setMinimumContentsLength(SlotChoiceBox::kContentsLength);
            qt.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            SlotChoiceBox ours;
            for (QComboBox* box : {&qt, static_cast<QComboBox*>(&ours)}) {
                QFont font = box->font();
                font.setPointSize(points);
                box->setFont(font);
                box->addItems(items);
            }
            EXPECT_EQ(ours.sizeHint(), qt.sizeHint()) << points << " pt, " << items.size() << " items";
            EXPECT_EQ(ours.minimumSizeHint(), qt.minimumSizeHint()) << points << " pt, " << items.size() << " items";
        }
    }
}

} // namespace
} // namespace ordnix
