// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScreenRowsDocument.h"

#include "menuwright/core/RectangleDrag.h"
#include "menuwright/menufile/LayoutText.h"
#include "menuwright/menufile/Side.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QBoxLayout;
class QLabel;
class QWidget;

namespace menuwright {

class CommonDialog;
class HangarTableWindow;
class SelectionTableWindow;
class RectangleLocatorWindow;
class WarningBox;

// The program-wide state of Menuwright and what its windows do together:
// the start-up sequence, the side set-up, the fixed-length captions and
// making the selection menu file with its layout text file.
class MenuwrightSession : public QObject {
    Q_OBJECT

public:
    // `locator` is the rectangle locator, the window the user sees first;
    // the other two windows belong to this module.
    explicit MenuwrightSession(RectangleLocatorWindow& locator);
    ~MenuwrightSession() override;

    // Start-up: loads SelectionTableWindow, which loads RectangleLocatorWindow (selecting USA) and shows it.
    void start();

    SelectionTableWindow& pp1() { return *pp1_; }
    RectangleLocatorWindow& pp2() { return pp2_; }
    // The hangar window, loaded the first time it is needed.
    HangarTableWindow& ph1();
    bool hangarWindowLoaded() const { return ph1_ != nullptr; }

    // The eleven rows of the selection screen, with its picture name and
    // fixed length, shown by the table and the rectangle locator alike; one
    // undo stack for both.
    ScreenRowsDocument& selectionRows() { return selectionRows_; }
    // The five rows of the hangar screen.
    ScreenRowsDocument& hangarRows() { return hangarRows_; }
    std::optional<Side> selectedSide() const;
    // Rectangles 6 and 7, the Axis rows, on the locator's picture.
    void showAxisRectangles(bool shown);
    // The rectangle of row i where it is shown on the picture.
    std::optional<RectangleGeometry> shownRectangle(int i) const;
    void showTable();
    void showLocator();
    void hideTable();

    void applySide(Side side);
    // Pads the plane captions in use when "Fixed length names" is ticked;
    // false (with a warning) when the fixed length is not usable.
    bool padFixedLength(WarningBox& warning);
    // Makes the selection menu file in the current folder and offers to save
    // the layout text file of the given variant; true when both were written.
    bool makeSelectionFiles(QWidget* window, WarningBox& warning, QLabel* status, LayoutTextVariant variant);

    // The shared dialog, set up for opening or saving a layout text file.
    std::optional<QString> openLayoutText(QWidget* window);
    std::optional<QString> saveLayoutText(QWidget* window);
    // The file's bytes, or nothing after a warning.
    std::optional<std::string> readLayoutFile(const QString& path, WarningBox& warning);

    void showHangars();
    // Exit and the windows' close boxes: where rows were changed since they
    // were last saved in (or loaded from) a layout text file, asks first
    // whether to save them. False when the user stays.
    bool requestEnd(QWidget* window);
    bool ending() const { return ending_; }

    // Rows the user changed (dragged, typed, taken out of use) since the
    // last layout text file was saved or loaded, per screen; undoing back
    // to that point counts as unchanged.
    bool selectionUnsaved() const;
    bool hangarUnsaved() const;
    // The layout text file the selection rows were last saved in or loaded
    // from, shown in the title bars.
    void setSelectionFile(const QString& path);
    // "Caption — file[*] — Menuwright".
    static QString windowTitle(const QString& caption, const QString& file);
    // Undo and Redo buttons over the rows' steps into `row`, and the window's shortcuts: Ctrl+Z,
    // Ctrl+Shift+Z or Ctrl+Y, Ctrl+S (its make command), Ctrl+O (its load command),
    // Ctrl+Q (its exit).
    static void addCommands(QWidget* window, ScreenRowsDocument& rows, QBoxLayout* row, std::function<void()> save,
        std::function<void()> open, std::function<void()> quit);

    // Program-wide state.
    QString menuFileName;
    QString otherSide1;
    QString otherSide2;
    QString startDirectory;
    int selectedRow = 0;
    CommonDialog* CD1;

    static QStringList warningLines(const QString& problem, const QString& consequence);

private:
    void setUpSide(Side side);
    void endProgram();
    void updateSelectionTitles();

    RectangleLocatorWindow& pp2_;
    // Before the windows, which connect to it as they are made.
    ScreenRowsDocument selectionRows_;
    ScreenRowsDocument hangarRows_;
    std::unique_ptr<SelectionTableWindow> pp1_;
    std::unique_ptr<HangarTableWindow> ph1_;
    bool started_ = false;
    bool ending_ = false;
    bool hangarPlaced_ = false;
    QString selectionFile_;
};

} // namespace menuwright
