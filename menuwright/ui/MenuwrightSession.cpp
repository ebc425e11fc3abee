// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuwrightSession.h"
#include "common/ui/CoreText.h"
#include "common/ui/NativePath.h"

#include "CommonDialog.h"
#include "HangarTableWindow.h"
#include "SelectionTableWindow.h"
#include "RectangleLocatorWindow.h"
#include "WarningBox.h"
#include "LocalPath.h"

#include "menuwright/core/FixedLength.h"
#include "menuwright/core/SideSetup.h"
#include "menuwright/menufile/ScreenCheck.h"
#include "menuwright/menufile/MenuFileError.h"
#include "menuwright/menufile/MenuFileWriter.h"

#include "common/ui/BackupNotice.h"
#include "common/ui/UndoButtons.h"
#include "common/core/IoError.h"
#include "common/core/TextLines.h"
#include "common/ui/Dialogs.h"

#include <QCoreApplication>
#include <QScreen>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QCheckBox>
#include <QAction>
#include <QBoxLayout>

#include <filesystem>

namespace menuwright {

namespace {

const char* const kClickToClose =
    QT_TRANSLATE_NOOP("menuwright::MenuwrightSession", "Click anywhere in this box to close this warning!");

} // namespace

MenuwrightSession::MenuwrightSession(RectangleLocatorWindow& locator)
    : CD1(new CommonDialog(this))
    , pp2_(locator)
    , selectionRows_(SelectionTableWindow::kRows)
    , hangarRows_(HangarTableWindow::kRows)
    , pp1_(std::make_unique<SelectionTableWindow>(*this))
{
    setObjectName(QStringLiteral("Module1"));
    connect(&selectionRows_, &ScreenRowsDocument::modifiedChanged, this, [this](bool modified) {
        pp1_->setWindowModified(modified);
        pp2_.setWindowModified(modified);
    });
    pp1_->addEditCommands(selectionRows_);
    pp2_.addEditCommands(selectionRows_);
    updateSelectionTitles();
}

bool MenuwrightSession::selectionUnsaved() const
{
    return selectionRows_.modified();
}

bool MenuwrightSession::hangarUnsaved() const
{
    return ph1_ && hangarRows_.modified();
}

void MenuwrightSession::setSelectionFile(const QString& path)
{
    selectionFile_ = QFileInfo(path).fileName();
    updateSelectionTitles();
}

void MenuwrightSession::updateSelectionTitles()
{
    pp1_->setWindowTitle(windowTitle(tr("Aircraft Selection Screen Menu Maker"), selectionFile_));
    pp2_.setWindowTitle(windowTitle(tr("Rectangle locator"), selectionFile_));
}

QString MenuwrightSession::windowTitle(const QString& caption, const QString& file)
{
    QString title = caption;
    if (!file.isEmpty())
        title += QStringLiteral(" \u2014 ") + file;
    return title + QStringLiteral("[*] \u2014 Menuwright");
}

void MenuwrightSession::addCommands(QWidget* window, ScreenRowsDocument& rows, QBoxLayout* row,
    std::function<void()> save, std::function<void()> open, std::function<void()> quit)
{
    common::addUndoCommands(
        rows.stack(), window, row, {.save = std::move(save), .open = std::move(open), .quit = std::move(quit)});
}

MenuwrightSession::~MenuwrightSession() = default;

QStringList MenuwrightSession::warningLines(const QString& problem, const QString& consequence)
{
    QStringList lines{problem};
    if (!consequence.isEmpty())
        lines << consequence;
    lines << tr(kClickToClose);
    return lines;
}

void MenuwrightSession::start()
{
    if (!started_) {
        startDirectory = common::currentFolderText();
        started_ = true;
    }
    pp1_->hide();
    pp1_->load();
    selectionRows_.showEveryRectangle(false);
    pp2_.load();
    pp2_.show();
}

std::optional<Side> MenuwrightSession::selectedSide() const
{
    return pp2_.selectedSide();
}

void MenuwrightSession::showAxisRectangles(bool shown)
{
    pp2_.showAxisRectangles(shown);
}

std::optional<RectangleGeometry> MenuwrightSession::shownRectangle(int i) const
{
    return pp2_.shownRectangle(i);
}

void MenuwrightSession::showTable()
{
    pp1_->show();
    pp1_->raise();
}

void MenuwrightSession::showLocator()
{
    pp2_.show();
    pp2_.raise();
}

void MenuwrightSession::hideTable()
{
    pp1_->hide();
}

HangarTableWindow& MenuwrightSession::ph1()
{
    if (!ph1_) {
        ph1_ = std::make_unique<HangarTableWindow>(*this);
        ph1_->load();
    }
    return *ph1_;
}

void MenuwrightSession::applySide(Side side)
{
    // The side's own captions and picture are no edit of the user's.
    selectionRows_.adopt([&] { setUpSide(side); });
}

void MenuwrightSession::setUpSide(Side side)
{
    pp2_.showAxisRectangles(false);

    const SideSetup& setup = sideSetup(side);
    menuFileName = common::coreText(setup.menuFileName);
    otherSide1 = common::coreText(setup.otherSide1);
    otherSide2 = common::coreText(setup.otherSide2);
    pp1_->showSide(side, setup);

    for (std::size_t i = 0; i < setup.aircraft.size(); ++i)
        selectionRows_.setCaption(static_cast<int>(i), common::coreText(setup.aircraft[i]));
    if (side == Side::Axis && pp2_.shownRectangle(0))
        pp2_.showAxisRectangles(true);

    selectionRows_.setCaption(8, otherSide1);
    selectionRows_.setCaption(9, otherSide2);
    selectionRows_.setCaption(10, QStringLiteral("EXIT"));
}

bool MenuwrightSession::padFixedLength(WarningBox& warning)
{
    if (!selectionRows_.fixedNames())
        return true;
    const auto length = fixedLengthFromText(selectionRows_.fixedLength().toStdString());
    if (!length) {
        warning.showWarning(warningLines(
            tr("The fixed length \"%1\" is not a whole number from 1 to 254.").arg(selectionRows_.fixedLength()),
            tr("Nothing was written.")));
        return false;
    }
    selectionRows_.edit(tr("Fixed length names"), [&] {
        for (int i = 0; i <= 7; ++i) {
            if (!pp1_->rowInUse(i))
                continue;
            selectionRows_.setCaption(
                i, common::coreText(menuwright::padFixedLength(selectionRows_.row(i).caption, *length)));
        }
    });
    return true;
}

bool MenuwrightSession::makeSelectionFiles(QWidget* window, WarningBox& warning, QLabel* status, LayoutTextVariant variant)
{
    const std::optional<Side> side = pp2_.selectedSide();
    if (!side) {
        // The menu file name and the number of rows depend on the side.
        warning.showWarning(warningLines(tr("No side is selected: choose USA, Britain or Axis in the Rectangle locator."),
            tr("Nothing was written.")));
        return false;
    }
    // A box still being typed in is written as it reads; its edit is a step.
    selectionRows_.closeStep();
    if (!padFixedLength(warning))
        return false;

    const SelectionLayout layout = pp1_->layout(*side);
    const QString menuPath = QDir(common::currentFolderText()).filePath(menuFileName);
    try {
        writeSelectionFile(localPath(menuPath), layout);
    } catch (const MenuFileError& e) {
        warning.showWarning(warningLines(common::failureText(e), tr("Nothing was written.")));
        return false;
    } catch (const common::IoError& e) {
        warning.showWarning(warningLines(common::writeFailureText(menuPath, e), {}));
        return false;
    }
    // A button the game would draw cut off is named, never refused.
    const QString offScreen = common::coreText(offScreenNotice(layout));
    const auto withNotice = [&](const QString& text) { return offScreen.isEmpty() ? text : text + '\n' + offScreen; };
    status->setText(withNotice(tr("Wrote %1.").arg(QDir::toNativeSeparators(menuPath))));

    const auto textPath = saveLayoutText(window);
    if (!textPath)
        return false;
    try {
        writeLayoutText(localPath(*textPath), layout, variant);
    } catch (const MenuFileError& e) {
        warning.showWarning(
            warningLines(common::failureText(e), tr("%1 was written; the text file was not.").arg(menuFileName)));
        return false;
    } catch (const common::IoError& e) {
        warning.showWarning(warningLines(
            common::writeFailureText(*textPath, e), tr("%1 was written; the text file was not.").arg(menuFileName)));
        return false;
    }
    status->setText(withNotice(common::withBackupNotice(
        tr("Wrote %1 and %2.").arg(QDir::toNativeSeparators(menuPath), QFileInfo(*textPath).fileName()))));
    selectionRows_.markSaved();
    setSelectionFile(*textPath);
    return true;
}

std::optional<QString> MenuwrightSession::openLayoutText(QWidget* window)
{
    CD1->fileName.clear();
    CD1->initDir = common::currentFolderText();
    CD1->dialogTitle = tr("Select the textfile to be opened");
    CD1->filter = tr("Text files") + QStringLiteral("|*.txt");
    return CD1->showOpen(window);
}

std::optional<QString> MenuwrightSession::saveLayoutText(QWidget* window)
{
    CD1->dialogTitle = tr("Enter the name of the textfile to be saved");
    CD1->filter = tr("Text files") + QStringLiteral("|*.txt");
    return CD1->showSave(window);
}

std::optional<std::string> MenuwrightSession::readLayoutFile(const QString& path, WarningBox& warning)
{
    try {
        return common::readFileBytes(localPath(path));
    } catch (const common::IoError& e) {
        warning.showWarning(warningLines(common::readFailureText(path, e), {}));
        return std::nullopt;
    }
}

void MenuwrightSession::showHangars()
{
    HangarTableWindow& hangar = ph1();
    hangar.show();
    if (!hangarPlaced_) {
        hangarPlaced_ = true;
        // Placed once shown, when its frame is known: a window moved before
        // that can land with its title bar above the screen.
        if (const QScreen* screen = hangar.screen())
            hangar.move(screen->availableGeometry().topLeft() + QPoint(3, 3)); // 50 twips from the corner
    }
    hangar.raise();
    hangar.activateWindow();
}

bool MenuwrightSession::requestEnd(QWidget* window)
{
    if (ending_)
        return true;
    // What is still being typed counts too.
    selectionRows_.closeStep();
    hangarRows_.closeStep();
    const bool selection = selectionUnsaved();
    const bool hangar = hangarUnsaved();
    if (selection || hangar) {
        QStringList screens;
        if (selection)
            screens << tr("the aircraft selection screen");
        if (hangar)
            screens << tr("the hangar screen");
        const common::Answer answer = common::dialogs().cancellableQuestion(window, QStringLiteral("Menuwright"),
            tr("The buttons of %1 were changed since they were last saved in a layout text file.\n"
               "Save them before you exit?")
                .arg(screens.join(tr(" and "))),
            common::CancellableQuestion::SaveDiscardCancel);
        if (answer == common::Answer::Save) {
            // Each save offers its text file; a cancelled or failed one keeps
            // the program open with its warning in view.
            if (selection && !pp2_.makeMnuFile()) {
                pp2_.show();
                pp2_.raise();
                return false;
            }
            if (hangar && !ph1().makeHangarFiles()) {
                showHangars();
                return false;
            }
        } else if (answer != common::Answer::Discard) {
            return false;
        }
    }
    endProgram();
    return true;
}

void MenuwrightSession::endProgram()
{
    if (ending_)
        return;
    ending_ = true;
    pp1_->close();
    pp2_.close();
    if (ph1_)
        ph1_->close();
    QCoreApplication::quit();
}

} // namespace menuwright
