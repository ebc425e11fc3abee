// SPDX-License-Identifier: GPL-3.0-or-later
#include "kitbag/ui/ModManagerWindow.h"

#include "kitbag/ui/KitbagDocument.h"
#include "kitbag/ui/ManifestDialog.h"

#include "mods/core/ModError.h"

#include "common/ui/BackupNotice.h"
#include "common/ui/CoreText.h"
#include "common/ui/Dialogs.h"
#include "common/ui/NativePath.h"
#include "common/ui/RememberedFolder.h"
#include "common/ui/StandardActions.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace kitbag {

namespace fs = std::filesystem;

namespace {

const QString kProgram = QStringLiteral("Kitbag");
const QString kGameFolderDialog = QStringLiteral("GameFolder");
const QString kModFolderDialog = QStringLiteral("ModFolder");
const QString kModFolderList = QStringLiteral("ModFolders");

QTableWidget* namedTable(const QString& name, const QStringList& headings)
{
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()));
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    return table;
}

QPushButton* namedButton(const QString& name, const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

void fillRow(QTableWidget* table, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c)
        table->setItem(row, c, new QTableWidgetItem(cells[c]));
}

QString shown(const fs::path& path)
{
    return QDir::toNativeSeparators(common::pathText(path));
}

QString text(const std::string& s)
{
    return common::coreText(s);
}

} // namespace

ModManagerWindow::ModManagerWindow(std::shared_ptr<KitbagDocument> document, QWidget* parent)
    : QWidget(parent)
    , document_(std::move(document))
{
    setObjectName("modManagerWindow");
    setWindowTitle(tr("Mod Manager — Kitbag"));
    setAcceptDrops(true);

    auto* gameCaption = new QLabel(tr("Game folder:"));
    gameCaption->setObjectName("gameFolderCaption");
    gameFolderLabel_ = new QLabel;
    gameFolderLabel_->setObjectName("gameFolderLabel");
    gameFolderLabel_->setTextFormat(Qt::PlainText);
    gameFolderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* chooseGame = namedButton("chooseGameButton", tr("&Game folder…"), tr("Work on another game folder"));
    auto* top = new QHBoxLayout;
    top->addWidget(gameCaption);
    top->addWidget(gameFolderLabel_, 1);
    top->addWidget(chooseGame);

    auto* installedCaption = new QLabel(tr("&Installed mods, in install order:"));
    installedCaption->setObjectName("installedCaption");
    installedTable_ = namedTable("installedTable", {tr("Name"), tr("Version"), tr("Changes"), tr("State")});
    installedTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    installedCaption->setBuddy(installedTable_);

    auto* availableCaption = new QLabel(tr("&Mods to install (drop .vmod files here):"));
    availableCaption->setObjectName("availableCaption");
    availableList_ = new QListWidget;
    availableList_->setObjectName("availableList");
    availableList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    availableCaption->setBuddy(availableList_);
    auto* addFolder = namedButton("addFolderButton", tr("&Add a mod folder…"), tr("Also list the mods of a folder"));
    auto* forgetFolders = namedButton(
        "forgetFoldersButton", tr("&Forget the added folders"), tr("List only the mods of the game's Mods folder"));

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(installedCaption);
    leftLayout->addWidget(installedTable_, 1);
    leftLayout->addWidget(availableCaption);
    leftLayout->addWidget(availableList_, 1);
    auto* folderButtons = new QHBoxLayout;
    folderButtons->addWidget(addFolder);
    folderButtons->addWidget(forgetFolders);
    folderButtons->addStretch(1);
    leftLayout->addLayout(folderButtons);

    readmeText_ = new QPlainTextEdit;
    readmeText_->setObjectName("readmeText");
    readmeText_->setReadOnly(true);
    changesTable_
        = namedTable("changesTable", {tr("File"), tr("Record"), tr("Field"), tr("Before"), tr("After"), tr("State")});
    conflictsTable_ = namedTable("conflictsTable",
        {tr("File"), tr("Record"), tr("Field"), tr("Mod"), tr("Its value"), tr("Other mod"), tr("Its value")});
    detailTabs_ = new QTabWidget;
    detailTabs_->setObjectName("detailTabs");
    detailTabs_->addTab(readmeText_, tr("Readme"));
    detailTabs_->addTab(changesTable_, tr("Changes"));
    detailTabs_->addTab(conflictsTable_, tr("Conflicts"));

    auto* splitter = new QSplitter;
    splitter->setObjectName("mainSplitter");
    splitter->addWidget(left);
    splitter->addWidget(detailTabs_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({440, 560});

    installButton_ = namedButton("installButton", tr("I&nstall"), tr("Install the selected mod"));
    removeButton_ = namedButton("removeButton", tr("&Remove"), tr("Remove the selected installed mod"));
    checkButton_ = namedButton("checkButton", tr("&Check"), tr("How each change of the selected mod meets the game"));
    conflictsButton_ = namedButton(
        "conflictsButton", tr("Con&flicts"), tr("Fields the selected mods and the installed ones set differently"));
    restoreButton_
        = namedButton("restoreButton", tr("Restore from a &backup…"), tr("Copy a backup's files back into the game"));
    makeButton_ = namedButton("makeButton", tr("&Make a mod from the changes since a backup…"),
        tr("Write a .vmod file of what changed since a backup was taken"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {installButton_, removeButton_, checkButton_, conflictsButton_, restoreButton_, makeButton_})
        buttons->addWidget(b);
    buttons->addStretch(1);

    status_ = new QLabel;
    status_->setObjectName("statusLine");
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    resize(1000, 640);

    connect(chooseGame, &QPushButton::clicked, this, &ModManagerWindow::chooseGameFolder);
    connect(addFolder, &QPushButton::clicked, this, &ModManagerWindow::addModFolder);
    connect(forgetFolders, &QPushButton::clicked, this, &ModManagerWindow::forgetModFolders);
    connect(installButton_, &QPushButton::clicked, this, &ModManagerWindow::install);
    connect(removeButton_, &QPushButton::clicked, this, &ModManagerWindow::remove);
    connect(checkButton_, &QPushButton::clicked, this, &ModManagerWindow::check);
    connect(conflictsButton_, &QPushButton::clicked, this, &ModManagerWindow::showConflicts);
    connect(restoreButton_, &QPushButton::clicked, this, &ModManagerWindow::restore);
    connect(makeButton_, &QPushButton::clicked, this, &ModManagerWindow::makeFromBackup);
    connect(availableList_, &QListWidget::itemSelectionChanged, this, &ModManagerWindow::showSelectedMod);
    connect(document_.get(), &KitbagDocument::changed, this, &ModManagerWindow::showDocument);
    // Opening a game folder is the program's open, as in Wingsmith.
    common::StandardActions(this, {.open = [chooseGame] { chooseGame->click(); }, .quit = [this] { close(); }});
    showDocument();
}

void ModManagerWindow::openStartFolder()
{
    std::vector<fs::path> remembered;
    for (const QString& folder : common::rememberedFolders(kProgram, kModFolderList))
        remembered.push_back(common::nativePath(folder));
    if (!remembered.empty())
        document_->addModFolders(remembered);
    QString folder = common::rememberedFolder(kProgram, kGameFolderDialog, QString());
    if (folder.isEmpty() && common::isGameFolder(common::currentFolderText()))
        folder = common::currentFolderText();
    if (folder.isEmpty()) {
        status_->setText(tr("Choose the game folder to manage its mods."));
        return;
    }
    document_->setGameFolder(common::nativePath(folder));
}

void ModManagerWindow::showDocument()
{
    const KitbagDocument& d = *document_;
    const bool hasGame = !d.gameFolder().empty();
    gameFolderLabel_->setText(hasGame ? shown(d.gameFolder()) : tr("(none chosen)"));

    installedTable_->setRowCount(static_cast<int>(d.installed().size()));
    int row = 0;
    for (const auto& m : d.installed())
        fillRow(installedTable_, row++, {text(m.name), text(m.version), QString::number(m.changes), text(m.state())});

    const QStringList selected = [&] {
        QStringList names;
        for (const auto* item : availableList_->selectedItems())
            names << item->data(Qt::UserRole).toString();
        return names;
    }();
    availableList_->blockSignals(true);
    availableList_->clear();
    for (const auto& a : d.available()) {
        const QString file = common::pathText(a.file);
        auto* item = new QListWidgetItem(a.mod
                ? tr("%1 %2 (%3)").arg(text(a.mod->name), text(a.mod->version), common::pathText(a.file.filename()))
                : tr("%1 (does not read)").arg(common::pathText(a.file.filename())));
        item->setData(Qt::UserRole, file);
        item->setToolTip(shown(a.file));
        availableList_->addItem(item);
        item->setSelected(selected.contains(file));
    }
    availableList_->blockSignals(false);
    for (QPushButton* b : {installButton_, removeButton_, checkButton_, conflictsButton_, restoreButton_, makeButton_})
        b->setEnabled(hasGame);
    if (!d.installedError().empty())
        status_->setText(text(d.installedError()));
    showSelectedMod();
}

const AvailableMod* ModManagerWindow::selectedMod() const
{
    const auto list = selectedMods();
    return list.empty() ? nullptr : list.front();
}

std::vector<const AvailableMod*> ModManagerWindow::selectedMods() const
{
    std::vector<const AvailableMod*> out;
    for (int i = 0; i < availableList_->count(); ++i)
        if (availableList_->item(i)->isSelected() && i < static_cast<int>(document_->available().size()))
            out.push_back(&document_->available()[static_cast<std::size_t>(i)]);
    return out;
}

void ModManagerWindow::showSelectedMod()
{
    changesTable_->setRowCount(0);
    const AvailableMod* a = selectedMod();
    if (!a) {
        readmeText_->clear();
        return;
    }
    if (!a->mod) {
        readmeText_->setPlainText(text(a->error));
        return;
    }
    const mods::Mod& m = *a->mod;
    QStringList lines{tr("%1 %2").arg(text(m.name), text(m.version))};
    if (!m.author.empty())
        lines << tr("by %1").arg(text(m.author));
    if (!m.description.empty())
        lines << QString() << text(m.description);
    if (!m.readme.empty())
        lines << QString() << text(m.readme);
    readmeText_->setPlainText(lines.join('\n'));
    try {
        const auto checks = document_->checkChanges(m);
        changesTable_->setRowCount(static_cast<int>(checks.size()));
        int row = 0;
        for (const auto& c : checks) {
            QString state = text(mods::ChangeCheck::stateName(c.state));
            if (!c.conflictWith.empty())
                state = tr("%1 (set by %2)").arg(state, text(c.conflictWith));
            fillRow(changesTable_, row++,
                {text(c.file), text(c.record), text(c.field), text(c.current), text(c.to), state});
        }
    } catch (const std::exception& e) {
        readmeText_->appendPlainText(QStringLiteral("\n") + common::failureText(e));
    }
}

void ModManagerWindow::say(const QString& what, int backupsBefore)
{
    status_->setText(common::withNewBackupNotice(what, backupsBefore));
}

void ModManagerWindow::fail(const QString& title, const std::exception& failure)
{
    status_->setText(common::failureText(failure));
    common::dialogs().message(this, title, common::failureText(failure), common::MessageIcon::Error);
}

void ModManagerWindow::chooseGameFolder()
{
    const QString start = document_->gameFolder().empty()
        ? common::rememberedFolder(kProgram, kGameFolderDialog, common::currentFolderText())
        : common::pathText(document_->gameFolder());
    const auto chosen = common::dialogs().chooseFolder(this, tr("The game folder"), start);
    if (!chosen)
        return;
    common::rememberFolder(kProgram, kGameFolderDialog, *chosen);
    document_->setGameFolder(common::nativePath(*chosen));
    status_->setText(common::isGameFolder(*chosen) ? tr("Working on %1.").arg(QDir::toNativeSeparators(*chosen))
                                                   : tr("%1 holds no FLT.CDF or DATA.CDF: it may not be a game folder.")
                                                         .arg(QDir::toNativeSeparators(*chosen)));
}

void ModManagerWindow::addModFolder()
{
    const auto chosen = common::dialogs().chooseFolder(
        this, tr("A folder of mods"), common::rememberedFolder(kProgram, kModFolderDialog, QString()));
    if (!chosen)
        return;
    common::rememberFolder(kProgram, kModFolderDialog, *chosen);
    document_->addModFolder(common::nativePath(*chosen));
    rememberModFolders();
    status_->setText(tr("Listing the mods of %1 too.").arg(QDir::toNativeSeparators(*chosen)));
}

void ModManagerWindow::forgetModFolders()
{
    document_->forgetModFolders();
    rememberModFolders();
    status_->setText(tr("Listing the mods of the game's Mods folder only."));
}

// The next start lists the same folders.
void ModManagerWindow::rememberModFolders()
{
    QStringList folders;
    for (const fs::path& folder : document_->modFolders())
        folders << common::pathText(folder);
    common::rememberFolders(kProgram, kModFolderList, folders);
}

void ModManagerWindow::install()
{
    const AvailableMod* a = selectedMod();
    if (!a) {
        status_->setText(tr("Select a mod to install first."));
        return;
    }
    const AvailableMod file = *a; // the list is read again as it installs
    const int before = common::backupCount();
    try {
        bool over = false;
        mods::InstallOutcome out;
        try {
            out = document_->installFrom(file, false);
        } catch (const mods::ModError& e) {
            // Only a field another mod set is worth the offer: any other
            // refusal stays one.
            if (e.remedy() != mods::ModError::Remedy::onTop)
                throw;
            const QString why = common::failureText(e);
            if (common::dialogs().question(this, tr("Install on top — Kitbag"),
                    tr("%1\n\nInstall on top, so that the fields the installed mods set take this mod's values?")
                        .arg(why),
                    common::MessageIcon::Question)
                != common::Answer::Yes) {
                status_->setText(tr("Nothing was installed: %1").arg(why));
                return;
            }
            over = true;
            out = document_->installFrom(file, true);
        }
        say(tr("Installed %1 %2%3: %4 changes in %5 files.")
                .arg(text(file.mod->name), text(file.mod->version), over ? tr(" on top") : QString())
                .arg(out.changes.size())
                .arg(out.filesWritten.size()),
            before);
    } catch (const std::exception& e) {
        fail(tr("Install — Kitbag"), e);
    }
}

void ModManagerWindow::remove()
{
    const auto rows = installedTable_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        status_->setText(tr("Select an installed mod to remove first."));
        return;
    }
    const auto& m = document_->installed().at(static_cast<std::size_t>(rows.front().row()));
    const std::string name = m.name;
    if (common::dialogs().questionDefaultNo(this, tr("Remove — Kitbag"),
            tr("Remove %1? Its %2 changes are put back as they were before it.").arg(text(name)).arg(m.changes),
            common::MessageIcon::Question)
        != common::Answer::Yes) {
        status_->setText(tr("Nothing was removed."));
        return;
    }
    const int before = common::backupCount();
    try {
        const auto out = document_->removeInstalled(name);
        QString what = tr("Removed %1: %2 changes put back, %3 left to a later mod.")
                           .arg(text(name))
                           .arg(out.putBack)
                           .arg(out.handedOn);
        for (const auto& left : out.leftAlone)
            what += QStringLiteral(" ") + text(left);
        say(what, before);
    } catch (const std::exception& e) {
        fail(tr("Remove — Kitbag"), e);
    }
}

void ModManagerWindow::check()
{
    const AvailableMod* a = selectedMod();
    if (!a || !a->mod) {
        status_->setText(a ? text(a->error) : tr("Select a mod to check first."));
        return;
    }
    try {
        const auto checks = document_->checkChanges(*a->mod);
        int clean = 0, already = 0, changed = 0;
        for (const auto& c : checks)
            (c.state == mods::ChangeCheck::State::clean            ? clean
                    : c.state == mods::ChangeCheck::State::already ? already
                                                                   : changed)++;
        showSelectedMod();
        detailTabs_->setCurrentWidget(changesTable_);
        status_->setText(tr("%1: %2 changes apply cleanly, %3 are made already, %4 meet a field changed since.")
                             .arg(text(a->mod->name))
                             .arg(clean)
                             .arg(already)
                             .arg(changed));
    } catch (const std::exception& e) {
        status_->setText(common::failureText(e));
    }
}

void ModManagerWindow::showConflicts()
{
    std::vector<mods::Mod> chosen;
    for (const AvailableMod* a : selectedMods())
        if (a->mod)
            chosen.push_back(*a->mod);
    try {
        const auto conflicts = document_->conflictsAmong(chosen);
        conflictsTable_->setRowCount(static_cast<int>(conflicts.size()));
        int row = 0;
        for (const auto& c : conflicts)
            fillRow(conflictsTable_, row++,
                {text(c.file), text(c.record), text(c.field), text(c.modA), text(c.valueA), text(c.modB),
                    text(c.valueB)});
        detailTabs_->setCurrentWidget(conflictsTable_);
        status_->setText(conflicts.empty() ? tr("No conflicts.") : tr("%1 conflicts.").arg(conflicts.size()));
    } catch (const std::exception& e) {
        status_->setText(common::failureText(e));
    }
}

std::optional<fs::path> ModManagerWindow::chooseBackup(const QString& title)
{
    const auto backups = document_->backupFolders();
    const QString start = common::pathText(backups.empty() ? document_->gameFolder() : backups.back().parent_path());
    const auto chosen = common::dialogs().chooseFolder(this, title, start);
    if (!chosen)
        return std::nullopt;
    return common::nativePath(*chosen);
}

void ModManagerWindow::restore()
{
    const auto backup = chooseBackup(tr("The backup to restore"));
    if (!backup)
        return;
    const auto files = KitbagDocument::backedUpFiles(*backup);
    if (files.empty()) {
        status_->setText(tr("%1 holds no files: nothing was restored.").arg(shown(*backup)));
        return;
    }
    if (common::dialogs().questionDefaultNo(this, tr("Restore — Kitbag"),
            tr("Copy the %1 files of %2 back over the game's? What they hold now is lost, apart from this "
               "run's own backup of it.")
                .arg(files.size())
                .arg(shown(*backup)),
            common::MessageIcon::Warning)
        != common::Answer::Yes) {
        status_->setText(tr("Nothing was restored."));
        return;
    }
    const int before = common::backupCount();
    try {
        const auto restored = document_->restoreBackup(*backup);
        say(tr("Restored %1 files from %2.").arg(restored.size()).arg(shown(*backup)), before);
    } catch (const std::exception& e) {
        fail(tr("Restore — Kitbag"), e);
    }
}

void ModManagerWindow::makeFromBackup()
{
    const auto backup = chooseBackup(tr("The backup taken before the changes"));
    if (!backup)
        return;
    ManifestDialog dialog(this);
    if (common::dialogs().exec(dialog) != QDialog::Accepted)
        return;
    const std::string name = dialog.modName().toStdString();
    const std::string version = dialog.modVersion().toStdString();
    if (name.empty()) {
        status_->setText(tr("A mod needs a name: nothing was made."));
        return;
    }
    const fs::path target = document_->madeModFile(name);
    std::error_code ec;
    if (fs::exists(target, ec)
        && common::dialogs().questionDefaultNo(this, tr("Make a mod — Kitbag"),
               tr("%1 exists. Replace it?").arg(shown(target)), common::MessageIcon::Warning)
            != common::Answer::Yes) {
        status_->setText(tr("Nothing was made."));
        return;
    }
    const int before = common::backupCount();
    try {
        const auto made = document_->makeFromBackup(*backup, name, version);
        QString what = tr("Wrote %1: %2 changes since %3.")
                           .arg(shown(target))
                           .arg(made.mod.changeCount())
                           .arg(shown(backup->filename()));
        if (!made.notCarried.empty())
            what += QStringLiteral(" ") + tr("%1 files removed since are not carried.").arg(made.notCarried.size());
        say(what, before);
    } catch (const std::exception& e) {
        fail(tr("Make a mod — Kitbag"), e);
    }
}

void ModManagerWindow::addDroppedFiles(const std::vector<fs::path>& files)
{
    if (document_->gameFolder().empty()) {
        status_->setText(tr("Choose the game folder before dropping mods on the window."));
        return;
    }
    const int before = common::backupCount();
    QStringList added;
    for (const fs::path& file : files) {
        const fs::path target = document_->droppedModTarget(file);
        std::error_code ec;
        if (fs::equivalent(file, target, ec))
            continue;
        if (fs::exists(target, ec)
            && common::dialogs().questionDefaultNo(this, tr("Add a mod — Kitbag"),
                   tr("%1 exists. Replace it with %2?").arg(shown(target), shown(file)), common::MessageIcon::Warning)
                != common::Answer::Yes)
            continue;
        try {
            added << shown(document_->addModFile(file));
        } catch (const std::exception& e) {
            fail(tr("Add a mod — Kitbag"), e);
            return;
        }
    }
    say(added.isEmpty() ? tr("No mod was added.") : tr("Copied to %1.").arg(added.join(QStringLiteral(", "))), before);
}

void ModManagerWindow::dragEnterEvent(QDragEnterEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".vmod"), Qt::CaseInsensitive)) {
            event->acceptProposedAction();
            return;
        }
}

void ModManagerWindow::dropEvent(QDropEvent* event)
{
    std::vector<fs::path> files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".vmod"), Qt::CaseInsensitive))
            files.push_back(common::nativePath(url.toLocalFile()));
    if (files.empty())
        return;
    event->acceptProposedAction();
    addDroppedFiles(files);
}

} // namespace kitbag
