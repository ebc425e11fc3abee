// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ui/RowBoxes.h"
#include "ScreenRowsDocument.h"
#include "SideOptions.h"

#include "menuwright/core/RectangleDrag.h"
#include "menuwright/menufile/HangarLayout.h"
#include "menuwright/menufile/Side.h"

#include <QList>
#include <QWidget>

#include <array>
#include <utility>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace common {
class ButtonRowsFrame;
class PictureBoard;
class PictureRectangle;
} // namespace common

namespace menuwright {

class DriveList;
class FileList;
class FolderList;
class MenuwrightSession;
class WarningBox;

// "Hangar Screen Menu Maker": the five hangar buttons as rectangles on the
// hangar picture, their rows, and the hangar menu file of the chosen side.
class HangarTableWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = HangarLayout::kRows;

    explicit HangarTableWindow(MenuwrightSession& module);

    // What loading the window does (run once, when it is first shown).
    void load();

    HangarLayout layout() const;
    QString hangarFileName() const { return fileName_; }

    void File1_Click(const QString& name);
    // "Make hangar  .mnu file"; true when the menu file and the text file
    // were written.
    bool makeHangarFiles();

    common::PictureBoard* Picture1;
    std::array<common::PictureRectangle*, kRows> Label2{};
    common::ButtonRowsFrame* Frame2;
    std::array<QLineEdit*, kRows> Text2{};
    std::array<QLineEdit*, kRows> Text3{};
    std::array<QLineEdit*, kRows> Text4{};
    std::array<QLineEdit*, kRows> Text5{};
    std::array<QLineEdit*, kRows> Text6{};
    SideOptions* Frame4;
    DriveList* Drive1;
    FolderList* Dir1;
    FileList* File1;
    QPushButton* Command1;
    QPushButton* Command4;
    QPushButton* Command3;
    QPushButton* Command2;
    QLabel* PlaneRow;
    WarningBox* warning;
    QLabel* status;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Option1_Click(int i);
    void Command1_Click();
    void Command4_Click();
    void rectangleMoved(int i, QPointF pixels, Qt::MouseButtons buttons);
    // Boxes, captions and rectangles follow the rows.
    void showRows(const QList<int>& rows);
    ScreenRowsDocument& rows();
    common::RowBoxes rowBoxes(int i) const;

    MenuwrightSession& module_;
    void updateTitle();

    RectangleDrag drag_;
    QString fileName_;
    // The layout text file last saved or loaded.
    QString textFile_;
};

} // namespace menuwright
