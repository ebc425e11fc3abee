#include "BasesWindow.h"

#include "sortiekit/core/AirfieldFile.h"
#include "sortiekit/core/BaseSlot.h"
#include "sortiekit/core/SortiekitError.h"

#include "common/ui/BackupNotice.h"
#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/ui/Dialogs.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>
#include <filesystem>
#include <system_error>

namespace sortiekit {

namespace {

const QString kTitle = QStringLiteral("Sortiekit");
const QString kUnchanged = QStringLiteral("\nairfield.dat was left as it was.");

std::filesystem::path toPath(const QString& name)
{
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

// airbase.txt is Windows-era 8-bit text.
QString fromGameText(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString fromCore(const char* text)
{
    return QString::fromLocal8Bit(text);
}

// "NAME: reason" for the file that failed, the reason in words also where
// the system gave only a number.
QString failureText(const common::IoError& e)
{
    QString reason = fromCore(e.what());
    std::error_code ec;
    if (e.failure() == common::IoFailure::Other && e.code() != 0)
        reason = fromCore(std::strerror(e.code()));
    if (!e.path().empty() && std::filesystem::is_directory(e.path(), ec))
        reason += " (it is a folder, not a file)";
    if (e.path().empty())
        return reason;
    return QFile::decodeName(QByteArray::fromStdString(e.path().filename().string())) + ": " + reason;
}

} // namespace

BasesWindow::BasesWindow(const QString& folder, QWidget* parent) : QWidget(parent), folder_(folder)
{
    setObjectName("frmMain");
    setWindowTitle(kTitle);

    auto* grid = new QGridLayout;
    const std::array<const char*, 4> labelNames{"Label1", "Label2", "Label3_0", "Label3_1"};
    for (std::size_t s = 0; s < lstBases_.size(); ++s) {
        auto* heading = new QLabel(kBaseSlots[s].heading, this);
        heading->setObjectName(labelNames[s]);
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);

        auto* list = new QListWidget(this);
        list->setObjectName(QString("lstBases_%1").arg(s));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setMinimumSize(190, 340);
        lstBases_[s] = list;

        grid->addWidget(heading, 0, static_cast<int>(s));
        grid->addWidget(list, 1, static_cast<int>(s));
    }

    cmdSave_ = new QPushButton("Save Selection", this);
    cmdSave_->setObjectName("cmdSave");
    cmdSave_->setToolTip("Write airfield.dat from airfield.bak with the four airfields chosen as bases");
    cmdCancel_ = new QPushButton("Standard Vantor", this);
    cmdCancel_->setObjectName("cmdCancel");
    cmdCancel_->setToolTip("Remove airfield.dat, so the game flies from its standard bases again");
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

    Form_Load();
}

void BasesWindow::Form_Load()
{
    try {
        airbases_ = AirbaseList::load(toPath(folder_));
    } catch (const SortiekitError& e) {
        refuse(fromCore(e.what()) + "\nNo base can be chosen; \"Standard Vantor\" still works.");
    } catch (const common::IoError& e) {
        refuse("Cannot read airbase.txt: " + fromCore(e.what()));
    }
    if (!airbases_) {
        cmdSave_->setEnabled(false);
        status_->setText("No airfields: airbase.txt could not be read.");
        return;
    }
    for (std::size_t s = 0; s < lstBases_.size(); ++s) {
        QListWidget* list = lstBases_[s];
        for (int i = 0; i < AirbaseList::kCount; ++i)
            list->addItem(fromGameText((*airbases_)[i].name));
        list->setCurrentRow(kBaseSlots[s].preselected);
        list->scrollToItem(list->currentItem(), QAbstractItemView::PositionAtCenter);
    }
    if (common::findNoCase(toPath(folder_), "airfield.dat"))
        status_->setText("airfield.dat is present: the game flies from the bases saved last.");
    else
        status_->setText("No airfield.dat: the game flies from its standard bases.");
}

QString BasesWindow::airfieldName(int entry) const
{
    return fromGameText((*airbases_)[entry].name);
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
        refuse(fromCore(e.what()) + kUnchanged);
        return;
    } catch (const common::IoError& e) {
        refuse("The selection was not saved.\n" + failureText(e) + kUnchanged);
        return;
    }
    status_->setText(common::withBackupNotice(
        QString("Saved airfield.dat: Allied bases %1 and %2, Luftwaffe bases %3 and %4.")
            .arg(airfieldName(entries[0]), airfieldName(entries[1]), airfieldName(entries[2]),
                airfieldName(entries[3]))));
}

void BasesWindow::cmdCancel_Click()
{
    try {
        if (AirfieldFile::restoreStandard(toPath(folder_)))
            status_->setText(
                common::withBackupNotice("Removed airfield.dat: the game flies from its standard bases again."));
        else
            status_->setText("There is no airfield.dat: the game already flies from its standard bases.");
    } catch (const common::IoError& e) {
        refuse("airfield.dat was not removed.\n" + failureText(e));
    }
}

void BasesWindow::refuse(const QString& text)
{
    common::dialogs().message(this, kTitle, text, common::MessageIcon::Warning);
}

} // namespace sortiekit
