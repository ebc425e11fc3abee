// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"
#include "common/ui/CoreText.h"
#include "common/ui/NativePath.h"

#include "AboutBox.h"
#include "ControlPage.h"
#include "EnginePage.h"
#include "StabilityPage.h"
#include "TypePage.h"
#include "GameFolderDialog.h"
#include "StringGrid.h"
#include "UpDown.h"

#include "wingsmith/core/FileTooShortError.h"
#include "wingsmith/core/GamePaths.h"
#include "wingsmith/core/NumberFormat.h"
#include "wingsmith/core/StartUpFiles.h"

#include "common/ui/AccessibleNames.h"
#include "common/ui/WindowUndoRouting.h"
#include "common/ui/RememberedFolder.h"
#include "common/ui/BackupNotice.h"
#include "common/core/IoError.h"
#include "common/ui/Dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace wingsmith {

namespace {
// The directory window's last folder, kept in the suite's settings of
// Wingsmith, never in Wingsmith.ini.
const char* const kProgram = "Wingsmith";
const char* const kGameFolderDialog = "GameFolder";
} // namespace

MainWindow::MainWindow(Settings settings, QWidget* parent)
    : MainWindow(std::move(settings), AircraftCatalogue::program(), parent)
{
}

MainWindow::MainWindow(Settings settings, const AircraftCatalogue& catalogue, QWidget* parent)
    : QMainWindow(parent)
    , settings_(std::move(settings))
    , catalogue_(PageCatalogue::of(catalogue))
{
    setObjectName("Form1");
    document_ = new AircraftSetDocument(catalogue, this);
    connect(document_, &AircraftSetDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(document_, &AircraftSetDocument::aircraftChanged, this, &MainWindow::onAircraftChanged);
    connect(document_, &AircraftSetDocument::shownChanged, this, &MainWindow::onShownChanged);
    updateTitle();
    buildMenus();
    buildToolBar();
    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(true);
    domainWarning_ = new QLabel;
    domainWarning_->setObjectName("DomainWarning");
    domainWarning_->hide();
    statusBar()->addPermanentWidget(domainWarning_);

    auto* central = new QWidget;
    auto* h = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    auto* available = new QLabel(tr("Available Aircraft"));
    available->setObjectName("Label1");
    left->addWidget(available);
    ListBox1 = new QListWidget;
    ListBox1->setObjectName("ListBox1");
    for (int p = 0; p < kAircraftCount; ++p)
        ListBox1->addItem(QString::fromUtf8(rosterByPosition(p).caption.data(),
            static_cast<int>(rosterByPosition(p).caption.size())));
    ListBox1->setFixedWidth(130);
    left->addWidget(ListBox1);
    h->addLayout(left);

    PageControl1 = new QTabWidget;
    PageControl1->setObjectName("PageControl1");
    const int sheetNumbers[] = {1, 2, 3, 4, 7, 8};
    const QString titles[] = {tr("Flight stability data"), tr("Engine data"), tr("Flight control data"),
        tr("Gun data"), tr("Aircraft type"), tr("Damage data")};
    for (int i = 0; i < 6; ++i) {
        const auto sheet = static_cast<std::size_t>(sheetNumbers[i]);
        QWidget* page = nullptr;
        // The type page is cheap and sets the window's width, so it is built
        // at once like the first two.
        if (sheet == 1 || sheet == 2 || sheet == 7) {
            if (sheet == 1)
                page = (stabilityPage_ = new StabilityPage(catalogue_, *this))->widget();
            else
                page = sheet == 2 ? (enginePage_ = new EnginePage(catalogue_, *this))->widget()
                                  : (typePage_ = new TypePage(catalogue_, *this))->widget();
        } else {
            page = new QWidget;
            new QVBoxLayout(page);
            page->layout()->setContentsMargins(0, 0, 0, 0);
        }
        TabSheet[sheet] = page;
        page->setObjectName(QString("TabSheet%1").arg(sheetNumbers[i]));
        PageControl1->addTab(page, titles[i]);
    }
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        for (int sheet : {3, 4, 8})
            if (PageControl1->widget(index) == TabSheet[static_cast<std::size_t>(sheet)])
                ensurePage(sheet);
    });
    h->addWidget(PageControl1, 1);
    setCentralWidget(central);

    wireCommitOnLeave();
    common::nameControlsByLabels(*this);
    resize(1020, 700);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    StartUp();
    common::routeUndoToWindow(this);
}

MainWindow::~MainWindow()
{
    disconnect(qApp, nullptr, this, nullptr);
    // The document, a child, signals as it goes; the window is gone by then.
    disconnect(document_, nullptr, this, nullptr);
    disconnect(document_->undoStack(), nullptr, nullptr, nullptr);
}

// ---- Start-up and paths ----

bool MainWindow::RestoreDir()
{
    resourcePath_ = settings_.resourcePath();
    if (!resourcePath_.empty()) {
        updateTitle();
        return true;
    }
    GameFolderDialog dialog(this);
    const QString here = common::currentFolderText();
    dialog.setDirectory(common::startFolder(kProgram, kGameFolderDialog, here, {}).folder);
    if (common::dialogs().exec(dialog) != QDialog::Accepted)
        return false;
    resourcePath_ = dialog.selectedDirectory().toStdString();
    rememberGameFolder(dialog.selectedDirectory());
    SaveDir();
    updateTitle();
    return true;
}

QString MainWindow::lastGameFolder() const
{
    return common::rememberedFolder(kProgram, kGameFolderDialog, QString());
}

void MainWindow::rememberGameFolder(const QString& folder)
{
    common::rememberFolder(kProgram, kGameFolderDialog, folder);
}

void MainWindow::updateTitle()
{
    const QString program = tr("Aircraft Flight Model Editor — Wingsmith");
    setWindowTitle(resourcePath_.empty()
            ? program + "[*]"
            : QString("%1[*] — %2").arg(QDir::toNativeSeparators(QString::fromStdString(resourcePath_)), program));
}

void MainWindow::SaveDir()
{
    try {
        settings_.setResourcePath(resourcePath_);
    } catch (const common::IoError& e) {
        showIoError(e);
    }
}

void MainWindow::StartUp()
{
    updateTitle();
    // Until an aircraft is shown, the pages take no input: an edit would
    // have no aircraft to go into.
    document_->show(-1);
    RestoreDir();
    const StartUpOutcome outcome = document_->startUp(resourcePath_);
    for (const auto& m : outcome.messages) {
        if (m.kind == StartUpMessage::Kind::Warning)
            warn(QString::fromStdString(m.text));
        else
            common::dialogs().message(
                this, tr("Wingsmith"), QString::fromStdString(m.text), common::MessageIcon::Error);
    }
    if (!outcome.completed)
        return;
    filling_ = true;
    ListBox1->setCurrentRow(0);
    filling_ = false;
    ListBox1Click();
    PageControl1->setCurrentWidget(TabSheet[1]);
    if (PageControl2)
        PageControl2->setCurrentWidget(TabSheet[5]);
    document_->updateModified();
}

void MainWindow::PathClick1Click()
{
    commitPending();
    const std::string previous = settings_.resourcePath();
    resourcePath_ = previous;
    GameFolderDialog dialog(this);
    dialog.setDirectory(resourcePath_.empty() ? lastGameFolder() : QString::fromStdString(resourcePath_));
    if (common::dialogs().exec(dialog) != QDialog::Accepted)
        return;

    const std::string chosen = dialog.selectedDirectory().toStdString();
    rememberGameFolder(dialog.selectedDirectory());
    std::error_code ec;
    if (!std::filesystem::exists(gameFile(chosen, kFltCdfName), ec))
        warn(tr("No FLT.CDF file found!"));
    // The offered save writes into the installation whose values are loaded,
    // before the new path is stored: the settings still name the old one.
    // Without an old folder there is nothing to save into.
    Comparevalues();
    if (!previous.empty() && document_->workspace().anyChanged()
        && common::dialogs().question(
               this, tr("Information"), tr("Do you want to save changes?"), common::MessageIcon::Information)
            == common::Answer::Yes)
        BitBtn1Click();

    // The old installation's archives get their permissions back before the
    // new ones are taken.
    document_->restoreAttributes();
    resourcePath_ = chosen;
    SaveDir();
    StartUp();
}

void MainWindow::About2Click()
{
    AboutBox box(this);
    common::dialogs().exec(box);
}

// ---- Operations ----

bool MainWindow::save()
{
    RestoreDir();
    Comparevalues();
    if (!mayOverwriteGameFiles())
        return false;
    // What the save writes, named afterwards in the status bar.
    QStringList written;
    for (const std::string& name : document_->filesToSave())
        written << QString::fromStdString(name);
    const int backups = common::backupCount();
    try {
        document_->save(resourcePath_);
        const QString folder = QDir::toNativeSeparators(QString::fromStdString(resourcePath_));
        // The backup goes in the status line, where no key typed next lands.
        statusBar()->showMessage(common::withNewBackupNotice(written.isEmpty()
                ? tr("Nothing to save: no aircraft was changed")
                : tr("Saved %1 in %2").arg(written.join(", "), folder),
            backups));
        return true;
    } catch (const common::IoError& e) {
        // An earlier "Saved ..." must not stand beside a failed save.
        statusBar()->clearMessage();
        showIoError(e);
        return false;
    }
}

bool MainWindow::mayOverwriteGameFiles()
{
    QStringList names;
    for (const std::string& name : document_->filesChangedOnDisk(resourcePath_))
        names << QString::fromStdString(name);
    if (names.isEmpty())
        return true;
    const QString text = names.size() == 1
        ? tr("The file \"%1\" was changed on disk by another program since it was opened.").arg(names.front())
        : tr("The files \"%1\" were changed on disk by another program since they were opened.")
              .arg(names.join(QStringLiteral("\", \"")));
    switch (common::dialogs().cancellableQuestion(this, tr("Wingsmith"),
        text
            + tr("\n\nOverwrite writes the values shown here over them, Reload reads the game files again and "
                 "drops the edits made here, Cancel saves nothing."),
        common::CancellableQuestion::OverwriteReloadCancel)) {
    case common::Answer::Overwrite:
        return true;
    case common::Answer::Reload:
        StartUp();
        return false;
    default:
        return false;
    }
}

void MainWindow::BitBtn1Click()
{
    save();
}

bool MainWindow::offerToSave(const QString& question)
{
    Comparevalues();
    if (!document_->workspace().anyChanged())
        return true;
    switch (common::dialogs().cancellableQuestion(
        this, tr("Confirm"), question, common::CancellableQuestion::YesNoCancel)) {
    case common::Answer::Yes: return save();
    case common::Answer::No: return true;
    default: return false;
    }
}

void MainWindow::BitBtn2Click()
{
    // The import overwrites the working copy of every aircraft.
    if (!offerToSave(tr("Importing from DATA.CDF and FLT.CDF replaces the values of every aircraft. "
                        "Changes have been detected. Do you want to save changes first?")))
        return;
    RestoreDir();
    try {
        document_->importArchives(resourcePath_);
    } catch (const common::IoError& e) {
        showIoError(e);
        return;
    }
    filling_ = true;
    ListBox1->setCurrentRow(0);
    filling_ = false;
    ListBox1Click();
    document_->updateModified();
    statusBar()->showMessage(tr("Imported all aircraft from DATA.CDF and FLT.CDF in %1")
                                 .arg(QDir::toNativeSeparators(QString::fromStdString(resourcePath_))));
}

void MainWindow::SavedatatoDATACDFandFLTCDF1Click()
{
    RestoreDir();
    const int backups = common::backupCount();
    try {
        document_->exportArchives(resourcePath_);
        statusBar()->showMessage(common::withNewBackupNotice(tr("Exported all aircraft to DATA.CDF and FLT.CDF in %1")
                                                                 .arg(QDir::toNativeSeparators(
                                                                     QString::fromStdString(resourcePath_))),
            backups));
    } catch (const common::IoError& e) {
        statusBar()->clearMessage();
        showIoError(e);
    }
}

bool MainWindow::exitProgram()
{
    if (!offerToSave(tr("Exiting Wingsmith. Changes have been detected. Do you want to save changes?")))
        return false; // the program stays open, the attributes untouched
    document_->restoreAttributes();
    return true;
}

void MainWindow::Exit1Click()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (exited_ || exitProgram()) {
        exited_ = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::showIoError(const common::IoError& e)
{
    QString text = common::failureDescription(e);
    if (const auto* shortFile = dynamic_cast<const FileTooShortError*>(&e)) {
        text = tr("%1 is %2 bytes long, too short for the fields to be written (%3 bytes needed). "
                  "Nothing was written to it!")
                   .arg(common::pathText(shortFile->path().filename()))
                   .arg(shortFile->size())
                   .arg(shortFile->needed());
    }
    common::dialogs().message(this, tr("Wingsmith"), text, common::MessageIcon::Error);
}

void MainWindow::showConversionError(const std::exception& e)
{
    common::dialogs().message(this, tr("Wingsmith"), common::failureText(e), common::MessageIcon::Error);
}

void MainWindow::warn(const QString& text)
{
    common::dialogs().message(this, tr("Warning"), text, common::MessageIcon::Warning);
}

} // namespace wingsmith
