// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScreenRowsDocument.h"
#include "SideOptions.h"

#include "menuwright/core/RectangleDrag.h"
#include "menuwright/menufile/Side.h"

#include <QList>
#include <QWidget>

#include <array>
#include <istream>
#include <memory>
#include <optional>

class QButtonGroup;
class QHBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace common {
class ClickLabel;
class PictureBoard;
class PictureRectangle;
} // namespace common

namespace menuwright {

class DriveList;
class FileList;
class FolderList;
class MenuwrightSession;
class WarningBox;

// "Rectangle locator": the selection-screen picture with the eleven rows as
// rectangles that are moved with the left button and sized with the right.
// It is the window the user sees first and owns the program's session.
class RectangleLocatorWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = 11;

    RectangleLocatorWindow();
    ~RectangleLocatorWindow() override;

    MenuwrightSession& module() { return *module_; }

    // Undo, Redo and the shortcuts, over the rows' steps.
    void addEditCommands(ScreenRowsDocument& rows);

    // Start-up part of this window (run by MenuwrightSession during start-up).
    void load();

    std::optional<Side> selectedSide() const;
    // As a click on the option: runs the side set-up when the side changes.
    void selectSide(Side side);
    void clearSide(Side side);

    // Reads rows first..last from the stream into the rows, which places
    // their rectangles; a short file leaves the rows it does not reach
    // unchanged. Returns the number of rows read.
    int applyRows(std::istream& in, int first, int last, bool showRectangles = false);
    // Rectangles 6 and 7, the Axis rows.
    void showAxisRectangles(bool shown);
    std::optional<RectangleGeometry> shownRectangle(int i) const;

    // File list click: shows the picture of the current folder.
    void File1_Click(const QString& name);
    // "Load Textfile" with the file already chosen (also used at start-up).
    void loadTextfile(const QString& path);
    // "Make mnu file"; true when the menu file and the text file were written.
    bool makeMnuFile();

    common::PictureBoard* Picture1;
    std::array<common::PictureRectangle*, kRows> Label2{};
    SideOptions* Frame4;
    QPushButton* Command1;
    DriveList* Drive1;
    FolderList* Dir1;
    FileList* File1;
    QLabel* Label1;
    QLabel* Label3;
    QLineEdit* Text1;
    common::ClickLabel* Label4;
    common::ClickLabel* Label8;
    common::ClickLabel* Label7;
    WarningBox* Frame1;
    QPushButton* Command4;
    QPushButton* Command2;
    QLabel* status;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();
    void Label4_Click();
    void Label8_Click();
    void Text1_Change();
    // Pointer positions in pixels within the rectangle.
    void rectanglePressed(int i, QPointF pixels);
    void rectangleMoved(int i, QPointF pixels, Qt::MouseButtons buttons);
    void rectangleClicked(int i);
    // Captions and rectangles as the rows hold them: a typed coordinate
    // waits for the user to move the rectangle.
    void showRows(const QList<int>& rows);
    ScreenRowsDocument& rows();

    std::unique_ptr<MenuwrightSession> module_;
    RectangleDrag drag_;
    QHBoxLayout* editRow_;
};

} // namespace menuwright
