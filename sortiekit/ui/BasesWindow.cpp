// SPDX-License-Identifier: GPL-3.0-or-later
#include "BasesWindow.h"
#include "common/ui/DomainNotice.h"
#include "common/ui/CoreText.h"
#include "common/ui/NativePath.h"
#include "common/ui/StandardActions.h"

#include "sortiekit/core/AirfieldFile.h"
#include "sortiekit/core/AirfieldFileCatalogue.h"
#include "sortiekit/core/BaseSlot.h"
#include "sortiekit/core/SortiekitError.h"

#include "common/ui/BackupNotice.h"
#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/ui/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

namespace sortiekit {

namespace {

const QString kTitle = QStringLiteral("Sortiekit");

std::filesystem::path toPath(const QString& name)
{
    return common::nativePath(name);
}

} // namespace

BasesWindow::BasesWindow(const QString& folder, QWidget* parent) : QWidget(parent), folder_(folder)
{
    setObjectName("frmMain");
    setWindowTitle(tr("airfield.dat[*] — Airfield Selector — Sortiekit"));

    auto* grid = new QGridLayout;
    const std::array<const char*, 4> labelNames{"Label1", "Label2", "Label3_0", "Label3_1"};
    for (std::size_t s = 0; s < lstBases_.size(); ++s) {
        // The game's slot headings, translated where a translation has them.
        auto* heading = new QLabel(tr(kBaseSlots[s].heading), this);
        heading->setObjectName(labelNames[s]);
        heading->setToolTip(tr("The airfield the game uses as this base; airfield.dat marks it with the value %1")
                                .arg(kBaseSlots[s].value));
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);

        auto* list = new QListWidget(this);
        list->setObjectName(QString("lstBases_%1").arg(s));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setMinimumSize(190, 340);
        // One line each: scrolling to the preselected base then needs no
        // layout of all 162 names.
        list->setUniformItemSizes(true);
        lstBases_[s] = list;
        connect(list, &QListWidget::currentRowChanged, this, [this] { setWindowModified(true); });

        grid->addWidget(heading, 0, static_cast<int>(s));
        grid->addWidget(list, 1, static_cast<int>(s));
    }

    cmdSave_ = new QPushButton(tr("&Save Selection"), this);
    cmdSave_->setObjectName("cmdSave");
    cmdSave_->setToolTip(tr("Write airfield.dat from airfield.bak with the four airfields chosen as bases (Ctrl+S)"));
    cmdCancel_ = new QPushButton(tr("Standard &Vantor"), this);
    cmdCancel_->setObjectName("cmdCancel");
    cmdCancel_->setToolTip(tr("Remove airfield.dat, so the game flies from its standard bases again"));
    status_ = new QLabel(this);
    status_->setObjectName("lblStatus");
    status_->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(cmdSave_);
    buttons->addWidget(cmdCancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    connect(cmdSave_, &QPushButton::clicked, this, &BasesWindow::cmdSave_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &BasesWindow::cmdCancel_Click);
    // Through the button, so a window without airfields saves nothing.
    common::StandardActions(this, {.save = [this] { cmdSave_->click(); }, .quit = [this] { close(); }});

    Form_Load();
}

void BasesWindow::Form_Load()
{
    try {
        airbases_ = AirbaseList::load(toPath(folder_));
    } catch (const SortiekitError& e) {
        refuse(common::failureText(e) + tr("\nNo base can be chosen; \"Standard Vantor\" still works."));
    } catch (const common::IoError& e) {
        refuse(common::readFailureText(QStringLiteral("airbase.txt"), e));
    }
    if (!airbases_) {
        cmdSave_->setEnabled(false);
        status_->setText(tr("No airfields: airbase.txt could not be read."));
        return;
    }
    for (std::size_t s = 0; s < lstBases_.size(); ++s) {
        QListWidget* list = lstBases_[s];
        for (int i = 0; i < AirbaseList::kCount; ++i)
            list->addItem(common::gameText((*airbases_)[i].name));
        list->setCurrentRow(kBaseSlots[s].preselected);
        list->scrollToItem(list->currentItem(), QAbstractItemView::PositionAtCenter);
    }
    std::error_code ec;
    const auto present = common::findNoCase(toPath(folder_), "airfield.dat");
    if (present && std::filesystem::is_directory(*present, ec))
        status_->setText(tr("A folder is named airfield.dat: the game flies from its standard bases, and "
                            "nothing can be saved until it is moved."));
    else if (present)
        status_->setText(
            common::withDomainNotice(tr("airfield.dat is present: the game flies from the bases saved last."),
                common::domainNotice(AirfieldFileCatalogue(), *present)));
    else
        status_->setText(tr("No airfield.dat: the game flies from its standard bases."));
    // The preselection is what the program offers, not a change.
    setWindowModified(false);
}

QString BasesWindow::airfieldName(int entry) const
{
    return common::gameText((*airbases_)[entry].name);
}

void BasesWindow::cmdSave_Click()
{
    if (!airbases_)
        return;
    std::array<int, 4> entries{};
    for (std::size_t s = 0; s < lstBases_.size(); ++s) {
        const QListWidgetItem* item = lstBases_[s]->currentItem();
        entries[s] = item && item->isSelected() ? lstBases_[s]->row(item) : -1;
    }
    try {
        AirfieldFile::saveSelection(toPath(folder_), airbases_->recordNumbers(entries));
    } catch (const SortiekitError& e) {
        refuse(common::failureText(e) + unchanged());
        return;
    } catch (const common::IoError& e) {
        refuse(tr("The selection was not saved.\n") + common::failureDescription(e) + unchanged());
        return;
    }
    setWindowModified(false);
    status_->setText(common::withBackupNotice(
        tr("Saved %1: Allied bases %2 and %3, Luftwaffe bases %4 and %5.")
            .arg(airfieldDatPath(), airfieldName(entries[0]), airfieldName(entries[1]), airfieldName(entries[2]),
                airfieldName(entries[3]))));
}

void BasesWindow::cmdCancel_Click()
{
    try {
        if (AirfieldFile::restoreStandard(toPath(folder_))) {
            status_->setText(common::withBackupNotice(
                tr("Removed %1: the game flies from its standard bases again.").arg(airfieldDatPath())));
            // The bases shown are no longer those the game flies from.
            setWindowModified(true);
        } else {
            status_->setText(tr("There is no airfield.dat: the game already flies from its standard bases."));
        }
    } catch (const common::IoError& e) {
        refuse(tr("airfield.dat was not removed.\n") + common::failureDescription(e));
    }
}

QString BasesWindow::unchanged() const
{
    return tr("\nairfield.dat was left as it was.");
}

QString BasesWindow::airfieldDatPath() const
{
    const auto existing = common::findNoCase(toPath(folder_), "airfield.dat");
    const QString path = existing ? common::pathText(*existing) : QDir(folder_).filePath("airfield.dat");
    return QDir::toNativeSeparators(path);
}

void BasesWindow::refuse(const QString& text)
{
    common::dialogs().message(this, kTitle, text, common::MessageIcon::Warning);
}

} // namespace sortiekit
