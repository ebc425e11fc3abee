// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutEditorWindow.h"
#include "common/ui/StandardActions.h"
#include "common/ui/CoreText.h"
#include "common/ui/DomainNotice.h"
#include "common/ui/NativePath.h"

#include "ChoosePlanePage.h"
#include "CommandColumn.h"
#include "ControlHelpers.h"
#include "MissionOptionsFrame.h"
#include "SlotEditorPage.h"
#include "TextReaderPage.h"

#include "ordnix/core/PlaneCodeCheck.h"
#include "ordnix/core/ChangeScript.h"
#include "ordnix/core/LoadoutError.h"
#include "ordnix/core/LoadoutFile.h"
#include "ordnix/core/LoadoutLayout.h"
#include "ordnix/core/LoadoutRecord.h"
#include "ordnix/core/MissionOptions.h"
#include "ordnix/core/RecordList.h"
#include "ordnix/core/SlotFields.h"
#include "ordnix/core/ValueText.h"

#include "common/ui/WindowUndoRouting.h"
#include "common/ui/RememberedFolder.h"
#include "common/ui/BackupNotice.h"
#include "common/core/IoError.h"
#include "common/ui/Dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

#include <cmath>
#include <stdexcept>

namespace ordnix {

namespace {

constexpr int kChoosePlaneTab = 0;
constexpr int kLoadoutDataTab = 1;

// Keys of the remembered folders, one per file dialog.
const QString kProgram = QStringLiteral("Ordnix");
const QString kLoadoutDialog = QStringLiteral("loadout");
const QString kScriptDialog = QStringLiteral("script");
const QString kTextDialog = QStringLiteral("text");

QStringList toStringList(const NameList& list)
{
    QStringList out;
    for (const std::string& name : list.names())
        out << common::gameText(name);
    return out;
}

// A file name as stored on disk, shown as the locale reads it.
QString shownFileName(const std::string& stored)
{
    return common::pathText(stored);
}

} // namespace

LoadoutEditorWindow::LoadoutEditorWindow(
    std::filesystem::path startDir, std::optional<QString> fileToOpen, QWidget* parent)
    : QWidget(parent)
    , startDir_(std::move(startDir))
    , fileToOpen_(std::move(fileToOpen))
    , programName_(QStringLiteral("Ordnix"))
    , programTitle_(tr("Loadout Editor \u2014 Ordnix"))
    , document_(new LoadoutDocument(startDir_, this))
    , model_(new ByteTableModel(this))
{
    choosePlane_ = new ChoosePlanePage(model_);
    missions_ = choosePlane_->missionOptions();
    slots_ = new SlotEditorPage;
    reader_ = new TextReaderPage;
    commands_ = new CommandColumn;

    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(choosePlane_, tr("&Choose Plane"));
    SSTab1->addTab(slots_, tr("Lo&adout  Data"));
    SSTab1->addTab(reader_, tr("Text R&eader"));

    statusBar_ = new QStatusBar;
    statusBar_->setObjectName(QStringLiteral("statusBar"));
    statusBar_->setSizeGripEnabled(false);
    domainWarning_ = new QLabel;
    domainWarning_->setObjectName(QStringLiteral("domainWarning"));
    domainWarning_->hide();
    statusBar_->addPermanentWidget(domainWarning_);

    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    columns->addWidget(SSTab1, 1);
    columns->addWidget(commands_);
    layout->addLayout(columns, 1);
    layout->addWidget(statusBar_);
    resize(940, 580);
    createActions();
    updateTitle();

    connect(document_, &LoadoutDocument::aboutToReplaceImage, model_, [this] { model_->setImage(nullptr); });
    connect(document_, &LoadoutDocument::changed, this, &LoadoutEditorWindow::showChange);
    connect(document_, &LoadoutDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(choosePlane_, &ChoosePlanePage::recordChosen, this, &LoadoutEditorWindow::ShowRecord);
    connect(choosePlane_, &ChoosePlanePage::recordClicked, this, [this](int row) {
        if (row == shownRecord_)
            ShowRecord(); // back to the slot editor of the record already shown
    });
    connect(choosePlane_, &ChoosePlanePage::recordListRightClicked, this, &LoadoutEditorWindow::RG_RightMouseDown);
    connect(missions_, &MissionOptionsFrame::missionClicked, this, &LoadoutEditorWindow::ShowMission);
    connect(missions_, &MissionOptionsFrame::insertClicked, this, &LoadoutEditorWindow::Command8_Click);
    connect(slots_, &SlotEditorPage::previousClicked, this, &LoadoutEditorWindow::Command10_Click);
    connect(slots_, &SlotEditorPage::nextClicked, this, &LoadoutEditorWindow::Command11_Click);
    connect(slots_, &SlotEditorPage::okClicked, this, &LoadoutEditorWindow::Command12_Click);
    connect(reader_, &TextReaderPage::loadClicked, this, &LoadoutEditorWindow::T1_Click);
    connect(commands_, &CommandColumn::exitClicked, this, &LoadoutEditorWindow::Command3_Click);
    connect(commands_, &CommandColumn::insertClicked, this, &LoadoutEditorWindow::Command5_Click);
    connect(commands_, &CommandColumn::deleteClicked, this, &LoadoutEditorWindow::Command6_Click);
    connect(commands_, &CommandColumn::saveClicked, this, &LoadoutEditorWindow::Command2_Click);
    connect(commands_, &CommandColumn::loadClicked, this, &LoadoutEditorWindow::Command4_Click);
    connect(commands_, &CommandColumn::scriptClicked, this, &LoadoutEditorWindow::Command9_Click);
    connect(commands_, &CommandColumn::fileDoubleClicked, this, &LoadoutEditorWindow::File1_DblClick);

    setImageCommandsEnabled(false);

    lists_ = LoadLists(startDir_);
    slots_->setLists(toStringList(lists_.weapons), toStringList(lists_.mounts), toStringList(lists_.locations));
    if (!lists_.problems.empty()) {
        QStringList texts;
        for (const std::string& problem : lists_.problems)
            texts << common::gameText(problem);
        warn(texts.join(QStringLiteral("\n")));
    }

    refreshFileList();
    SSTab1->setCurrentIndex(kChoosePlaneTab);

    if (fileToOpen_)
        LoadLoadout(*fileToOpen_);

    // Centred only once the layout has widened the window to its contents.
    this->layout()->activate();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    common::routeUndoToWindow(this);
}

// ---------------------------------------------------------------- helpers

void LoadoutEditorWindow::warn(const QString& text)
{
    common::dialogs().message(this, programName_, text, common::MessageIcon::Warning);
}

// Ctrl+S, Ctrl+O and Ctrl+Q do what the buttons and the close box do; the
// undo history is offered as actions and as buttons in the command column.
void LoadoutEditorWindow::createActions()
{
    QUndoStack* history = document_->undoStack();
    const common::StandardActions actions(this,
        {.save = [this] { Command2_Click(); },
            .open = [this] { Command4_Click(); },
            .quit = [this] { Command3_Click(); },
            .undo = [history] { history->undo(); },
            .redo = [history] { history->redo(); }});
    actions.save()->setText(tr("Save Loadout"));
    actions.open()->setText(tr("Load Loadout"));
    actions.quit()->setText(tr("Exit"));

    // Fixed captions keep the narrow column steady; the tooltip names the step.
    QAction* undo = actions.undo();
    undo->setText(tr("&Undo"));
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setEnabled(false);
    connect(history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(history, &QUndoStack::undoTextChanged, undo,
        [undo](const QString& step) { undo->setToolTip(tr("Undo %1 (Ctrl+Z)").arg(step)); });
    QAction* redo = actions.redo();
    redo->setText(tr("Red&o"));
    redo->setObjectName(QStringLiteral("redoAction"));
    redo->setEnabled(false);
    connect(history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(history, &QUndoStack::redoTextChanged, redo,
        [redo](const QString& step) { redo->setToolTip(tr("Redo %1 (Ctrl+Shift+Z)").arg(step)); });
    commands_->setUndoActions(undo, redo);
}

// "FILE[*] — Loadout Editor — Ordnix" once a file is loaded; the marker
// shows while the undo history is away from its saved state.
void LoadoutEditorWindow::updateTitle()
{
    if (!document_->isLoaded())
        setWindowTitle(programTitle_);
    else
        setWindowTitle(tr("%1[*] \u2014 %2").arg(shownFileName(image().shownName()), programTitle_));
    setWindowModified(document_->isModified());
}

bool LoadoutEditorWindow::hasUnsavedChanges() const
{
    return document_->isModified();
}

// What the document says changed. An edit made here is shown where it was
// made; an undo or redo takes the views back to the step's record.
void LoadoutEditorWindow::showChange(const LoadoutChange& change)
{
    showDomainWarnings();
    switch (change.source) {
    case LoadoutChange::Source::Load:
        showLoadedImage();
        return;
    case LoadoutChange::Source::Edit:
        model_->refresh(change.first, change.last);
        if (change.recordsMoved) {
            updateTitle();
            showRecordNames();
            selectRecord(change.record);
            choosePlane_->setFileNameVisible(true);
            missions_->show();
        }
        return;
    case LoadoutChange::Source::Undo:
    case LoadoutChange::Source::Redo:
        showUndoStep(change.first, change.last, change.record, change.mission);
        return;
    }
}

void LoadoutEditorWindow::showDomainWarnings()
{
    const auto warnings
        = document_->isLoaded() ? planeCodesOutsideList(image(), lists_.planes) : std::vector<PlaneCodeWarning>{};
    QString text;
    if (!warnings.empty())
        text = common::withMoreCount(
            tr("Record %1 (position %2) aircraft code is %3, beyond %4 (%5 aircraft)")
                .arg(warnings[0].record)
                .arg(warnings[0].position)
                .arg(common::gameText(warnings[0].code), QString::fromStdString(lists_.planes.fileName()))
                .arg(lists_.planes.count()),
            1, warnings.size());
    common::showDomainLabel(
        *domainWarning_, text, tr("The game knows no aircraft by that code; Ordnix saves it as it is."));
}

void LoadoutEditorWindow::showUndoStep(std::size_t first, std::size_t last, int row, int mission)
{
    model_->refresh(first, last);
    showRecordNames();
    if (row >= 0)
        selectRecord(row);
    if (mission >= 0) {
        missions_->selectMission(mission);
        ShowMission(mission);
        SSTab1->setCurrentIndex(kChoosePlaneTab); // where the options are edited
    }
}

void LoadoutEditorWindow::setImageCommandsEnabled(bool enabled)
{
    commands_->setImageCommandsEnabled(enabled);
    slots_->setCommandsEnabled(enabled);
    missions_->setInsertEnabled(enabled);
}

void LoadoutEditorWindow::refreshFileList(const QString& select)
{
    commands_->showFiles(ListLoadoutFiles(startDir_), select);
}

void LoadoutEditorWindow::showRecordNames()
{
    choosePlane_->showRecordNames(NameRecords(image(), lists_.planes));
}

void LoadoutEditorWindow::selectRecord(int row)
{
    choosePlane_->setCurrentRowQuietly(row);
    ShowRecord();
}

// ---------------------------------------------------------------- loading

void LoadoutEditorWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (firstShow_) {
        firstShow_ = false;
        if (!fileToOpen_)
            QTimer::singleShot(0, this, &LoadoutEditorWindow::offerStartupDialog);
    }
}

std::optional<QString> LoadoutEditorWindow::askForLoadout()
{
    common::FileDialogRequest request;
    request.title = tr("Load Loadout");
    request.filter = tr("Loadout Files (loadout.* Loadout.* LOADOUT.*)");
    common::startIn(request, kProgram, kLoadoutDialog, common::pathText(startDir_));
    auto chosen = common::dialogs().openFile(this, request);
    if (chosen && chosen->isEmpty())
        chosen.reset();
    if (chosen) {
        lastChosenName_ = *chosen;
        common::rememberFolder(kProgram, kLoadoutDialog, common::folderOf(*chosen));
    }
    return chosen;
}

void LoadoutEditorWindow::offerStartupDialog()
{
    if (const auto chosen = askForLoadout())
        LoadLoadout(*chosen);
}

bool LoadoutEditorWindow::LoadLoadout(const QString& name)
{
    return LoadLoadout(common::nativePath(name));
}

bool LoadoutEditorWindow::LoadLoadout(const std::filesystem::path& file)
{
    const QString name = shownFileName(file.string());
    choosePlane_->setFileNameVisible(false);
    try {
        document_->load(file,
            [this](std::size_t count) { setWindowTitle(tr("%1 - %2 bytes read").arg(programTitle_).arg(count)); });
    } catch (const LoadoutError& e) {
        updateTitle();
        choosePlane_->setFileNameVisible(document_->isLoaded());
        warn(common::gameText(e.what()));
        return false;
    } catch (const common::IoError& e) {
        updateTitle();
        choosePlane_->setFileNameVisible(document_->isLoaded());
        warn(tr("%1 could not be loaded: %2").arg(name, common::failureText(e)));
        return false;
    }
    return true;
}

// A new image: every view starts again at record 0.
void LoadoutEditorWindow::showLoadedImage()
{
    model_->setImage(&image());
    updateTitle();
    statusBar_->showMessage(tr("Loaded %1").arg(shownFileName(image().fileName().string())));
    choosePlane_->fitByteTable(image().size());

    choosePlane_->showFileName(shownFileName(image().shownName()));
    showRecordNames();
    choosePlane_->showLoadedViews();
    setImageCommandsEnabled(true);
    shownRecord_ = -1;
    p0_ = 0;
    choosePlane_->scrollTo(kFirstRecordPosition);
    selectRecord(0);
}

// ---------------------------------------------------------------- showing

void LoadoutEditorWindow::ShowRecord()
{
    const int row = choosePlane_->currentRow();
    if (row < 0 || !document_->isLoaded())
        return;
    const std::size_t p0 = choosePlane_->recordStart(row);
    if (p0 == 0)
        return;
    p0_ = p0;
    shownRecord_ = row;

    choosePlane_->scrollTo(p0, true);

    const double code = std::floor(LeadingNumber(image().currentText(p0)));
    missions_->setAnchor(OptionAnchor(code > 0 ? static_cast<std::size_t>(code) : 0));
    ShowMission(0);

    const LoadoutRecord record = ReadRecord(image(), static_cast<std::size_t>(row));
    SlotFields fields = SlotFieldsFromRecord(record, lists_.weapons.count(), lists_.mounts.count(),
        lists_.locations.count());
    ordnix::NormaliseSlots(fields);
    slots_->showFields(fields);

    slots_->showTitle(choosePlane_->recordName(row),
        tr("Record %1 of %2, positions %3 to %4, aircraft code %5")
            .arg(row + 1)
            .arg(kRecordCount)
            .arg(p0)
            .arg(p0 + kRecordSize - 1)
            .arg(common::gameText(record.planeCode)));
    SSTab1->setCurrentIndex(kLoadoutDataTab);
}

void LoadoutEditorWindow::ShowMission(int t)
{
    missions_->showMission(t, image());
}

void LoadoutEditorWindow::NormaliseSlots()
{
    SlotFields fields = slots_->fields();
    ordnix::NormaliseSlots(fields);
    slots_->showFields(fields);
}

// ---------------------------------------------------------------- saving and closing

// "Save Loadout"
void LoadoutEditorWindow::Command2_Click()
{
    saveLoadout();
}

bool LoadoutEditorWindow::saveLoadout()
{
    if (!document_->isLoaded())
        return false;
    NormaliseSlots();
    if (!mayOverwriteLoadedFile())
        return false;
    const int backups = common::backupCount();
    try {
        const std::filesystem::path saved = document_->save(commands_->replaceTicked());
        refreshFileList(shownFileName(saved.filename().string()));
        statusBar_->showMessage(common::withNewBackupNotice(tr("Saved %1").arg(shownFileName(saved.string())), backups));
        return true;
    } catch (const LoadoutError& e) {
        warn(common::gameText(e.what()));
    } catch (const common::IoError& e) {
        warn(tr("The loadout could not be saved.\n%1").arg(common::failureDescription(e)));
    }
    return false;
}

// Before a save over the file loaded: when another program changed it since,
// asks whether to overwrite it, reload it or save nothing. True when the save
// may go on.
bool LoadoutEditorWindow::mayOverwriteLoadedFile()
{
    if (!document_->saveOverwritesOthersChange(commands_->replaceTicked()))
        return true;
    const std::filesystem::path loaded = document_->loadedFile();
    const QString name = shownFileName(loaded.filename().string());
    const QString text = tr("The file \"%1\" was changed on disk by another program since it was opened.\n\n"
                            "Overwrite writes the values shown here over it, Reload reads it again and drops the "
                            "edits made here, Cancel saves nothing.")
                             .arg(name);
    switch (common::dialogs().cancellableQuestion(
        this, programName_, text, common::CancellableQuestion::OverwriteReloadCancel)) {
    case common::Answer::Overwrite:
        return true;
    case common::Answer::Reload:
        LoadLoadout(loaded);
        return false;
    default:
        return false;
    }
}

// Asks before edits that were never saved are lost; true when the caller
// may go on (saved, discarded, or nothing to lose).
bool LoadoutEditorWindow::mayDropUnsavedChanges(const QString& action)
{
    if (!document_->isModified())
        return true;
    QString target;
    try {
        target = shownFileName(document_->saveTarget(commands_->replaceTicked()).filename().string());
    } catch (const LoadoutError&) {
        target = tr("a numbered copy");
    }
    const QString text = tr("The changes to %1 have not been saved.\n\n"
                            "Save them to %2 before %3?")
                             .arg(shownFileName(image().shownName()), target, action);
    switch (common::dialogs().cancellableQuestion(this, programName_, text,
        common::CancellableQuestion::SaveDiscardCancel)) {
    case common::Answer::Save: return saveLoadout();
    case common::Answer::Discard: return true;
    default: return false;
    }
}

// "Exit": closes the window the same way as its close box.
void LoadoutEditorWindow::Command3_Click()
{
    close();
}

void LoadoutEditorWindow::closeEvent(QCloseEvent* event)
{
    if (mayDropUnsavedChanges(tr("closing")))
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------- commands

// "Load Loadout"
void LoadoutEditorWindow::Command4_Click()
{
    if (const auto chosen = askForLoadout()) {
        if (!mayDropUnsavedChanges(tr("loading another file")))
            return;
        SSTab1->setCurrentIndex(kChoosePlaneTab);
        LoadLoadout(*chosen);
    }
}

// "Insert a block"
void LoadoutEditorWindow::Command5_Click()
{
    if (!document_->isLoaded())
        return;
    const int s = shownRecord_ < 0 ? 0 : shownRecord_;
    try {
        document_->insertRecordCopy(static_cast<std::size_t>(s));
    } catch (const LoadoutError& e) {
        warn(common::gameText(e.what()));
    }
}

// "Delete a block"
void LoadoutEditorWindow::Command6_Click()
{
    if (!document_->isLoaded())
        return;
    const int s = shownRecord_ < 0 ? 0 : shownRecord_;
    try {
        document_->deleteRecord(static_cast<std::size_t>(s));
    } catch (const LoadoutError& e) {
        warn(common::gameText(e.what()));
    }
}

// "Insert edited values"
void LoadoutEditorWindow::Command8_Click()
{
    if (!document_->isLoaded() || !missions_->hasMission())
        return;
    try {
        document_->storeMission(missions_->edited(), missions_->mission(), shownRecord_);
    } catch (const std::out_of_range&) {
        warn(tr("The mission options of this aircraft lie beyond the end of %1.")
                 .arg(shownFileName(image().shownName())));
    }
}

// "Save Block": the changes since loading as a loadout script.
void LoadoutEditorWindow::Command9_Click()
{
    if (!document_->isLoaded())
        return;
    common::FileDialogRequest request;
    request.title = tr("Save Block");
    request.filter = tr("Loadout Scripts (*.lox)");
    common::startIn(request, kProgram, kScriptDialog, common::pathText(startDir_));
    const auto chosen = common::dialogs().saveFile(this, request);
    if (!chosen || chosen->isEmpty())
        return;
    lastChosenName_ = *chosen;
    common::rememberFolder(kProgram, kScriptDialog, common::folderOf(*chosen));
    NormaliseSlots();
    const int backups = common::backupCount();
    try {
        document_->writeScript(common::nativePath(*chosen));
        statusBar_->showMessage(common::withNewBackupNotice(tr("Script written to %1").arg(*chosen), backups));
    } catch (const common::IoError& e) {
        warn(tr("%1 could not be written: %2").arg(*chosen, common::failureText(e)));
    }
}

// "-"
void LoadoutEditorWindow::Command10_Click()
{
    const int row = choosePlane_->currentRow();
    if (row >= 1)
        selectRecord(row - 1);
}

// "+"
void LoadoutEditorWindow::Command11_Click()
{
    const int row = choosePlane_->currentRow();
    if (row >= 0 && row < static_cast<int>(kRecordCount) - 1)
        selectRecord(row + 1);
}

// "OK": the slot editor into the record shown.
void LoadoutEditorWindow::Command12_Click()
{
    if (!document_->isLoaded() || shownRecord_ < 0)
        return;
    document_->writeSlots(
        static_cast<std::size_t>(shownRecord_), slots_->fields(), choosePlane_->recordName(shownRecord_));
}

// "Load Text"
void LoadoutEditorWindow::T1_Click()
{
    reader_->clear();
    common::FileDialogRequest request;
    request.title = tr("Load Text");
    request.filter = tr("Text files (*.txt)");
    common::startIn(request, kProgram, kTextDialog, common::pathText(startDir_));
    request.presetName = lastChosenName_;
    const auto chosen = common::dialogs().openFile(this, request);
    if (!chosen || chosen->isEmpty())
        return;
    lastChosenName_ = *chosen;
    common::rememberFolder(kProgram, kTextDialog, common::folderOf(*chosen));
    try {
        reader_->setText(common::gameText(ReadText(common::nativePath(*chosen))));
    } catch (const common::IoError& e) {
        warn(tr("%1 could not be read: %2").arg(*chosen, common::failureText(e)));
    }
}

// Right mouse button on the record list: the byte table to the option
// block of the record shown.
void LoadoutEditorWindow::RG_RightMouseDown()
{
    if (!document_->isLoaded() || shownRecord_ < 0)
        return;
    choosePlane_->scrollTo(missions_->anchor());
}

void LoadoutEditorWindow::File1_DblClick()
{
    if (const auto stored = commands_->currentFile()) {
        if (!mayDropUnsavedChanges(tr("loading another file")))
            return;
        SSTab1->setCurrentIndex(kChoosePlaneTab);
        LoadLoadout(startDir_ / *stored);
    }
}

} // namespace ordnix
