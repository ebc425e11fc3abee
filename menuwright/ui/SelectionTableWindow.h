// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ui/RowBoxes.h"
#include "ScreenRowsDocument.h"

#include "menuwright/core/SideSetup.h"
#include "menuwright/menufile/SelectionLayout.h"

#include <QList>
#include <QWidget>

#include <array>
#include <utility>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace menuwright {

class HeadingFrame;
class MenuwrightSession;
class WarningBox;

// "Aircraft Selection Screen Menu Maker": the table of the eleven button
// rows of one selection screen. Its boxes hold the rows the whole program
// works on.
class SelectionTableWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = SelectionLayout::kRows;

    explicit SelectionTableWindow(MenuwrightSession& module);

    // Undo, Redo and the shortcuts, over the rows' steps.
    void addEditCommands(ScreenRowsDocument& rows);

    // Start-up part of this window (run once by MenuwrightSession).
    void load();

    ButtonRow row(int i) const;
    // The rows as a layout of the given side, with their picture name.
    SelectionLayout layout(Side side) const;
    bool rowInUse(int i) const;
    // The side's rows, labels and picture name; the captions come through
    // the rows document.
    void showSide(Side side, const SideSetup& setup);

    QLineEdit* Text1;
    QLabel* Label1;
    HeadingFrame* Frame3;
    HeadingFrame* Frame2;
    std::array<QLineEdit*, kRows> Text2{};
    std::array<QLineEdit*, kRows> Text3{};
    std::array<QLineEdit*, kRows> Text4{};
    std::array<QLineEdit*, kRows> Text5{};
    std::array<QLineEdit*, kRows> Text6{};
    std::array<QLabel*, kRows> Label2{};
    QLabel* PlaneRow;
    QCheckBox* Check1;
    QLineEdit* Text7;
    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command5;
    QPushButton* Command4;
    QPushButton* Command2;
    WarningBox* warning;
    QLabel* status;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();
    void Command3_Click();
    void Command5_Click();
    // The boxes follow the document, whoever changed it.
    void showRows(const QList<int>& rows);
    void showScreen();
    // Shows or hides the row's label and boxes.
    void showRow(int i, bool shown);
    common::RowBoxes rowBoxes(int i) const;

    MenuwrightSession& module_;
    QHBoxLayout* editRow_;
};

} // namespace menuwright
