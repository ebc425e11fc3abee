// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ordnix/core/LoadoutLayout.h"
#include "ordnix/core/SlotFields.h"

#include <QStringList>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ordnix {

// The "Loadout  Data" page: the five weapon slots of the record shown, with
// weapon, rack and location chosen by name, and the buttons that step
// through the records and write the slots into the record.
class SlotEditorPage : public QWidget {
    Q_OBJECT

public:
    explicit SlotEditorPage(QWidget* parent = nullptr);

    // Fills the choice lists of every slot, in code order.
    void setLists(const QStringList& weapons, const QStringList& mounts, const QStringList& locations);

    // The slot editor's fields as they stand.
    SlotFields fields() const;
    // Shows `fields`; a code beyond its list selects no entry.
    void showFields(const SlotFields& fields);
    void showTitle(const QString& recordName, const QString& details);

    void setCommandsEnabled(bool enabled);

signals:
    void previousClicked();
    void nextClicked();
    void okClicked();

private:
    QLabel* Label7 = nullptr;
    QLabel* details_ = nullptr;
    QLineEdit* Text5 = nullptr;
    std::array<QComboBox*, kSlotCount> Weapon{};
    std::array<QComboBox*, kSlotCount> Rack{};
    std::array<QComboBox*, kSlotCount> Location{};
    std::array<QLineEdit*, kSlotCount> WNum{};
    std::array<QLineEdit*, kSlotCount> IFD{};
    std::array<QLineEdit*, kSlotCount> DBF{};
    QPushButton* Command10 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command12 = nullptr;
};

} // namespace ordnix
