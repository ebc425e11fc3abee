// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ByteTableModel.h"
#include "LoadoutChange.h"
#include "LoadoutDocument.h"

#include "ordnix/core/LoadoutImage.h"
#include "ordnix/core/NameLists.h"

#include <QString>
#include <QWidget>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QStatusBar;
class QTabWidget;
class QUndoStack;

namespace ordnix {

class ChoosePlanePage;
class CommandColumn;
class MissionOptionsFrame;
class SlotEditorPage;
class TextReaderPage;

// The loadout editor, a view of a LoadoutDocument: the byte table and
// record list of the loaded loadout.dat, the slot editor of the record
// shown, the mission option editor of its aircraft, and the commands that
// save, reorganise and script the image. The commands hand edits to the
// document and the window shows what its `changed` signal says; files
// change when saved. The pages build and fill their controls.
class LoadoutEditorWindow : public QWidget {
    Q_OBJECT

public:
    // `startDir` is the game folder: the lists are read from it, saves and
    // the file list go there. With `fileToOpen` that file is loaded at once
    // instead of asking for one when the window first shows.
    explicit LoadoutEditorWindow(std::filesystem::path startDir, std::optional<QString> fileToOpen = {},
        QWidget* parent = nullptr);

    // Loads `name` (a full name, or one in the start folder) into the window;
    // a refused or unreadable file leaves the window as it was.
    bool LoadLoadout(const QString& name);
    bool LoadLoadout(const std::filesystem::path& file);

    void ShowRecord();
    void ShowMission(int t);
    void NormaliseSlots();

    const LoadoutDocument& document() const { return *document_; }
    const LoadoutImage& image() const { return document_->image(); }
    const NameLists& lists() const { return lists_; }
    // Record shown in the slot editor, -1 before any.
    int shownRecord() const { return shownRecord_; }
    // Whether the image differs from what the last load or "Save Loadout"
    // left, as the undo history tells it.
    bool hasUnsavedChanges() const;
    QUndoStack* undoStack() const { return document_->undoStack(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void updateTitle();
    void showChange(const LoadoutChange& change);
    // The status line's warning while a record's aircraft code lies beyond
    // the plane list; a warning only, nothing is refused.
    void showDomainWarnings();
    void showLoadedImage();
    void showUndoStep(std::size_t first, std::size_t last, int row, int mission);
    void offerStartupDialog();
    std::optional<QString> askForLoadout();
    bool saveLoadout();
    bool mayOverwriteLoadedFile();
    bool mayDropUnsavedChanges(const QString& action);
    void refreshFileList(const QString& select = {});
    void setImageCommandsEnabled(bool enabled);
    void selectRecord(int row);
    void showRecordNames();
    void warn(const QString& text);

    // Event handlers, named after their controls.
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void T1_Click();
    void RG_RightMouseDown();
    void File1_DblClick();

    std::filesystem::path startDir_;
    std::optional<QString> fileToOpen_;
    QString programName_;
    QString programTitle_;
    NameLists lists_;
    LoadoutDocument* document_ = nullptr;
    ByteTableModel* model_ = nullptr;

    int shownRecord_ = -1;
    std::size_t p0_ = 0;
    QString lastChosenName_;
    bool firstShow_ = true;

    QTabWidget* SSTab1 = nullptr;
    ChoosePlanePage* choosePlane_ = nullptr;
    MissionOptionsFrame* missions_ = nullptr;
    SlotEditorPage* slots_ = nullptr;
    TextReaderPage* reader_ = nullptr;
    CommandColumn* commands_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* domainWarning_ = nullptr;
};

} // namespace ordnix
