// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldPage.h"

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace wingsmith {

class UpDown;

// "Gun data": the gun table's groups ("PLANES.DAT"), a row a group, and the
// flight record's, a grid a group; the groups beyond the count are hidden.
class GunPage : public FieldPage {
public:
    GunPage(const PageCatalogue& catalogue, PageHooks& hooks, QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }
    QWidget* tableSheet() const { return tableSheet_; }
    QWidget* recordSheet() const { return recordSheet_; }

    void fill(const AircraftValues& values) override;
    void setRecordName(const QString& name);
    // Shows the rows and grids of the groups up to the count, hides the rest.
    void GunGroupVisibility();

private:
    struct Control {
        PageField field;
        QLineEdit* edit = nullptr;
        UpDown* arrows = nullptr;
        QComboBox* list = nullptr;
    };
    // The slots of the count, and of the lists and the cells with arrows,
    // told their control by its place.
    void countChanged();
    void listChosen(std::size_t control, int item);
    void cellChanged(std::size_t control);
    QWidget* buildTable(const std::vector<PageField>& fields);
    QWidget* buildRecord(const std::vector<PageField>& fields);

    QTabWidget* pages_ = nullptr;
    QWidget* tableSheet_ = nullptr;
    QWidget* recordSheet_ = nullptr;
    Control count_;
    std::vector<Control> controls_;
    // What each group shows, to hide it with its group; by number.
    struct Group {
        int number;
        std::vector<QWidget*> widgets;
        std::vector<UpDown*> arrows;
    };
    Group& groupNumbered(int number);
    std::vector<Group> groups_;
};

} // namespace wingsmith
