// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ui/AccessibleNames.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace common {
namespace {

template <typename T>
T* named(const QString& name, QWidget* parent = nullptr)
{
    auto* w = new T(parent);
    w->setObjectName(name);
    return w;
}

// A dialog with a control under each kind of label, shown after the naming
// was switched on for every window.
TEST(AccessibleNames, EveryShownWindowNamesItsControlsByTheirLabels)
{
    nameControlsOfEveryWindow();
    QDialog dialog;
    auto* v = new QVBoxLayout(&dialog);

    auto* form = new QFormLayout;
    form->addRow("Engine type ", named<QComboBox>("type"));
    form->addRow("Engine torque multiplier ", named<QComboBox>("torque"));
    auto* box = new QWidget;
    auto* h = new QHBoxLayout(box);
    h->addWidget(named<QLineEdit>("count"));
    auto* up = named<QToolButton>("up");
    up->setArrowType(Qt::UpArrow);
    auto* down = named<QToolButton>("down");
    down->setArrowType(Qt::DownArrow);
    h->addWidget(up);
    h->addWidget(down);
    form->addRow("Number of Engines ", box);
    v->addLayout(form);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("# Guns"), 0, 1);
    grid->addWidget(new QLabel("Ammo"), 0, 2);
    grid->addWidget(new QLabel("1"), 1, 0);
    grid->addWidget(named<QLineEdit>("guns1"), 1, 1);
    grid->addWidget(named<QLineEdit>("ammo1"), 1, 2);
    v->addLayout(grid);
    auto* marks = new QGridLayout;
    marks->addWidget(named<QLineEdit>("points"), 0, 0);
    marks->addWidget(new QLabel(""), 0, 1);
    marks->addWidget(new QLabel("Tail"), 0, 2);
    v->addLayout(marks);

    v->addWidget(new QLabel("Available Aircraft"));
    v->addWidget(named<QListWidget>("list"));
    v->addWidget(new QLabel("Hitbubble position"));
    auto* row = new QHBoxLayout;
    row->addWidget(named<QListWidget>("bubbles"));
    v->addLayout(row);
    auto* typed = new QLabel("&Folders:");
    typed->setBuddy(named<QLineEdit>("folders"));
    v->addWidget(typed);
    v->addWidget(typed->buddy());
    v->addWidget(new QLabel("Unknown"));
    v->addWidget(named<QLineEdit>("unknownA"));
    v->addWidget(new QLabel("Unknown"));
    v->addWidget(named<QLineEdit>("unknownB"));
    auto* button = named<QPushButton>("save");
    button->setText("Save");
    v->addWidget(new QLabel("Before the button"));
    v->addWidget(button);

    dialog.show();
    const std::pair<const char*, const char*> expected[]
        = {{"type", "Engine type"}, {"torque", "Engine torque multiplier"}, {"count", "Number of Engines"},
            {"up", "Number of Engines up"}, {"down", "Number of Engines down"}, {"guns1", "# Guns 1"},
            {"ammo1", "Ammo 1"}, {"points", "Tail"}, {"list", "Available Aircraft"}, {"bubbles", "Hitbubble position"},
            {"folders", "Folders"}, {"unknownA", "Unknown"}, {"unknownB", "Unknown 2"}, {"save", ""}};
    for (const auto& [object, name] : expected) {
        auto* w = dialog.findChild<QWidget*>(object);
        ASSERT_NE(w, nullptr) << object;
        EXPECT_EQ(w->accessibleName().toStdString(), name) << object;
    }
    // A screen reader on Linux reads a combo box's label through its buddy.
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text().startsWith("Engine")) {
            EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
        }
    }
}

} // namespace
} // namespace common
