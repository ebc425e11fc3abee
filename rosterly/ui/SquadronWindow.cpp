// SPDX-License-Identifier: GPL-3.0-or-later
#include "SquadronWindow.h"
#include "common/ui/DomainNotice.h"
#include "common/ui/CoreText.h"
#include "common/ui/NativePath.h"

#include "rosterly/core/SquadronFile.h"
#include "rosterly/core/SquadronFileCatalogue.h"

#include "common/ui/BackupNotice.h"
#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/ui/Dialogs.h"
#include "common/ui/RememberedFolder.h"
#include "common/ui/StandardActions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

namespace rosterly {

namespace {

const QString kTitle = QStringLiteral("Rosterly");
const QString kLoadDialog = QStringLiteral("LoadSqd");
// Any length after "sq" (the game's own files have six characters there),
// in the spellings installations copied from Windows come with.
const char* const kSquadFilter = QT_TRANSLATE_NOOP("rosterly::SquadronWindow",
    "Squad files (sq*.dat SQ*.DAT sq*.DAT SQ*.dat Sq*.dat Sq*.DAT);;All files (*)");

std::filesystem::path toPath(const QString& name)
{
    return common::nativePath(name);
}

// The game's text files are Windows-era 8-bit text.
QListWidget* makeList(const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(170, 300);
    return list;
}

QLabel* makeHeading(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

SquadronWindow::SquadronWindow(const QString& folder, QWidget* parent) : QWidget(parent), folder_(folder)
{
    updateTitle();

    command1_ = new QPushButton(tr("&Load Sqd"), this);
    command1_->setObjectName("Command1");
    command2_ = new QPushButton(tr("&OK Rosterly!"), this);
    command2_->setObjectName("Command2");
    command1_->setToolTip(tr("Open a squadron file (sq*.dat) and list its squadrons (Ctrl+O)"));
    command2_->setToolTip(tr("Write the chosen aircraft into the selected squadron (Ctrl+S)"));

    list1_ = makeList("List1", this);
    choiceLists_[0] = makeList("List2", this);
    choiceLists_[1] = makeList("List3", this);
    choiceLists_[2] = makeList("List4", this);

    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    label1_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path must not widen the window; the tooltip shows it whole.
    label1_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label2_ = new QLabel(this);
    label2_->setObjectName("Label2");
    label2_->setToolTip(tr("Position of the selected squadron's aircraft byte in the file, counted from 1"));
    label3_ = new QLabel(this);
    label3_->setObjectName("Label3");
    label3_->setToolTip(tr("Aircraft code that \"OK Rosterly!\" writes: the aircraft's line in planes.txt, from 0"));
    status_ = new QLabel(this);
    status_->setObjectName("lblStatus");
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    buttons->addStretch(1);

    auto* lists = new QGridLayout;
    lists->addWidget(makeHeading("lblSquadrons", tr("Squadrons"), this), 0, 0);
    lists->addWidget(makeHeading("lblUnitedStates", tr("United States"), this), 0, 1);
    lists->addWidget(makeHeading("lblBritain", tr("Britain"), this), 0, 2);
    lists->addWidget(makeHeading("lblGermany", tr("Germany"), this), 0, 3);
    lists->addWidget(list1_, 1, 0);
    for (int i = 0; i < 3; ++i)
        lists->addWidget(choiceLists_[static_cast<std::size_t>(i)], 1, i + 1);

    auto* labels = new QFormLayout;
    labels->addRow(tr("Squadron file:"), label1_);
    labels->addRow(tr("Record position:"), label2_);
    labels->addRow(tr("Aircraft code:"), label3_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(lists, 1);
    layout->addLayout(labels);
    layout->addWidget(status_);

    // Through the buttons, so a disabled "OK Rosterly!" stays a no-op.
    common::StandardActions(this,
        {.save = [this] { command2_->click(); }, .open = [this] { command1_->click(); }, .quit = [this] { close(); }});

    connect(command1_, &QPushButton::clicked, this, &SquadronWindow::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &SquadronWindow::Command2_Click);
    connect(list1_, &QListWidget::currentRowChanged, this, &SquadronWindow::List1_Click);
    for (AirForce force : {AirForce::UnitedStates, AirForce::Britain, AirForce::Germany}) {
        connect(choiceList(force), &QListWidget::currentRowChanged, this,
            [this, force](int row) { choiceList_Click(force, row); });
    }

    Form_Load();
}

QListWidget* SquadronWindow::choiceList(AirForce force) const
{
    switch (force) {
    case AirForce::UnitedStates: return choiceLists_[0];
    case AirForce::Britain: return choiceLists_[1];
    case AirForce::Germany: return choiceLists_[2];
    case AirForce::None: break;
    }
    return nullptr;
}

void SquadronWindow::Form_Load()
{
    const auto file = common::findNoCase(toPath(folder_), "planes.txt");
    if (!file) {
        showFailure(tr("planes.txt was not found in %1, so the aircraft have no names.\n"
                       "Start Rosterly in the game folder, which holds planes.txt.")
                        .arg(folder_));
    } else {
        try {
            planes_ = PlaneList::load(*file);
        } catch (const common::IoError& e) {
            showFailure(common::readFailureText(QStringLiteral("planes.txt"), e));
        }
        if (planes_.tooLong()) {
            showFailure(tr("planes.txt has %1 lines, but only the first %2 (aircraft codes 0 to %3) are read.")
                            .arg(planes_.linesInFile())
                            .arg(PlaneList::kCapacity)
                            .arg(PlaneList::kCapacity - 1));
        }
    }

    for (AirForce force : {AirForce::UnitedStates, AirForce::Britain, AirForce::Germany}) {
        const CodeRange codes = codesOf(force);
        for (int code = codes.first; code <= codes.last; ++code) {
            // A code the list does not name can still be chosen: the game
            // knows its aircraft without planes.txt.
            choiceList(force)->addItem(planes_.covers(code) ? common::gameText(planes_.name(code))
                                                            : tr("(code %1, not in planes.txt)").arg(code));
        }
        choiceList(force)->setEnabled(false);
    }
    updateCommand2();
}

void SquadronWindow::Command1_Click()
{
    common::FileDialogRequest request{tr("Load Sqd"), tr(kSquadFilter), {}, {}, {}};
    common::startIn(request, kTitle, kLoadDialog, folder_);
    const auto chosen = common::dialogs().openFile(this, request);
    // Cancelling leaves the loaded file and its choices as they were.
    if (!chosen || chosen->isEmpty())
        return;
    if (loadSquadronFile(*chosen))
        common::rememberFolder(kTitle, kLoadDialog, common::folderOf(*chosen));
}

bool SquadronWindow::loadSquadronFile(const QString& fullName)
{
    // A record and an aircraft chosen for one file are never written into
    // another: every load starts without them.
    forgetFile();

    std::vector<std::uint8_t> codes;
    try {
        codes = SquadronFile::readCodes(toPath(fullName));
    } catch (const common::IoError& e) {
        showFailure(common::readFailureText(fullName, e));
        return false;
    }
    codes_ = codes;

    loadedFile_ = fullName;
    label1_->setText(fullName);
    label1_->setToolTip(fullName);
    {
        const QSignalBlocker block(list1_);
        for (std::uint8_t code : codes)
            list1_->addItem(common::gameText(planes_.recordName(code)));
    }
    force_ = airForceOf(common::nativePath(fullName).string());
    if (QListWidget* list = choiceList(force_))
        list->setEnabled(true);
    updateCommand2();
    updateTitle();
    status_->setText(common::withDomainNotice(tr("Loaded %1: %n squadron(s).", nullptr, static_cast<int>(codes.size()))
                                                  .arg(QDir::toNativeSeparators(fullName)),
        common::domainNotice(SquadronFileCatalogue(), toPath(fullName))));
    return true;
}

void SquadronWindow::forgetFile()
{
    loadedFile_.clear();
    codes_.clear();
    force_ = AirForce::None;
    label1_->clear();
    label1_->setToolTip(QString());
    {
        const QSignalBlocker block(list1_);
        list1_->clear();
    }
    forgetChoices();
}

void SquadronWindow::forgetChoices()
{
    selectedRecord_ = -1;
    chosenCode_.reset();
    label2_->clear();
    label3_->clear();
    for (QListWidget* list : choiceLists_) {
        const QSignalBlocker block(list);
        list->setCurrentRow(-1);
        list->clearSelection();
        list->setEnabled(false);
    }
    updateCommand2();
    updateTitle();
}

void SquadronWindow::List1_Click(int row)
{
    if (row < 0) {
        selectedRecord_ = -1;
        label2_->clear();
    } else {
        selectedRecord_ = row;
        label2_->setText(QString::number(SquadronFile::codePosition(row)));
    }
    updateCommand2();
}

void SquadronWindow::choiceList_Click(AirForce force, int row)
{
    if (row < 0) {
        chosenCode_.reset();
        label3_->clear();
    } else {
        chosenCode_ = codesOf(force).first + row;
        label3_->setText(QString::number(*chosenCode_));
    }
    updateCommand2();
}

void SquadronWindow::updateCommand2()
{
    const bool ready = !loadedFile_.isEmpty() && selectedRecord_ >= 0
        && static_cast<std::size_t>(selectedRecord_) < codes_.size() && selectedRecord_ < list1_->count()
        && chosenCode_ && codesOf(force_).contains(*chosenCode_);
    command2_->setEnabled(ready);
    // A choice not yet written, that would change the file.
    setWindowModified(ready && codes_[static_cast<std::size_t>(selectedRecord_)] != *chosenCode_);
}

void SquadronWindow::updateTitle()
{
    const QString program = tr("Squadron Modder — Rosterly");
    setWindowTitle(loadedFile_.isEmpty() ? program
                                         : QStringLiteral("%1[*] — %2").arg(QFileInfo(loadedFile_).fileName(), program));
}

void SquadronWindow::Command2_Click()
{
    updateCommand2();
    if (!command2_->isEnabled())
        return;
    const auto code = static_cast<std::uint8_t>(*chosenCode_);
    const int backups = common::backupCount();
    try {
        SquadronFile::writeCode(toPath(loadedFile_), selectedRecord_, code);
    } catch (const SquadronError& e) {
        showFailure(common::writeFailureText(loadedFile_, e));
        return;
    } catch (const common::IoError& e) {
        showFailure(common::writeFailureText(loadedFile_, e));
        return;
    }
    // Show the squadron's new aircraft at once instead of after a reload.
    list1_->item(selectedRecord_)->setText(common::gameText(planes_.recordName(code)));
    codes_[static_cast<std::size_t>(selectedRecord_)] = code;
    updateCommand2();
    status_->setText(common::withDomainNotice(tr("Wrote aircraft code %1 into squadron %2 of %3.")
                                                  .arg(code)
                                                  .arg(selectedRecord_ + 1)
                                                  .arg(QDir::toNativeSeparators(loadedFile_)),
        common::domainNotice(SquadronFileCatalogue(), toPath(loadedFile_))));
    common::reportNewBackup(this, kTitle, backups);
}

void SquadronWindow::showFailure(const QString& text)
{
    common::dialogs().message(this, kTitle, text, common::MessageIcon::Warning);
}

} // namespace rosterly
