// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonTableWindow.h"
#include "common/ui/CoreText.h"
#include "common/ui/FolderListing.h"
#include "common/ui/NativePath.h"

#include "HangarRowsDocument.h"
#include "PictureWindow.h"

#include "menuwright/menufile/ScreenCheck.h"
#include "menuwright/menufile/MenuFileError.h"
#include "menuwright/menufile/MenuFileWriter.h"
#include "menuwright/menufile/Side.h"

#include "common/ui/WindowUndoRouting.h"
#include "common/ui/BackupNotice.h"
#include "common/core/IoError.h"
#include "common/ui/ButtonRowsFrame.h"
#include "common/ui/ClickLabel.h"
#include "common/ui/Dialogs.h"
#include "common/ui/NamedWidgets.h"
#include "common/ui/RowBoxes.h"
#include "common/ui/StandardActions.h"
#include "common/ui/UndoButtons.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <functional>

namespace bayward {

namespace {

QRadioButton* option(const QString& name, const QString& caption, QWidget* parent)
{
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

ButtonTableWindow::ButtonTableWindow() : QWidget(nullptr, Qt::Window), rows_(new HangarRowsDocument(this))
{
    setObjectName(QStringLiteral("PH1"));
    // Follows the captions in the title bars, so that they are not taken
    // for Menuwright's windows of the same name.
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Bayward"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(12, 12, 12, 10);
    outer->setSpacing(8);

    auto* hint = new QLabel(tr("Choose a country and a picture, then click a button's name and drag its rectangle "
                               "on the picture."),
        this);
    hint->setWordWrap(true);
    outer->addWidget(hint);

    auto* choices = new QHBoxLayout;
    Frame1 = new QGroupBox(tr("Country"), this);
    Frame1->setToolTip(tr("The side whose hangar menu file is written"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* countryBox = new QVBoxLayout(Frame1);
    countries_ = new QButtonGroup(this);
    const QString countryNames[] = {tr("&USA"), tr("&Britain"), tr("&Axis")};
    for (int i = 0; i < 3; ++i) {
        Option1[i] = option(QStringLiteral("Option1_%1").arg(i), countryNames[i], Frame1);
        countries_->addButton(Option1[i], i);
        countryBox->addWidget(Option1[i]);
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });
    }
    countryBox->addStretch();
    choices->addWidget(Frame1);

    Frame4 = new QGroupBox(tr("Screen file type"), this);
    Frame4->setToolTip(tr("Which picture files the list shows"));
    Frame4->setObjectName(QStringLiteral("Frame4"));
    auto* typeBox = new QVBoxLayout(Frame4);
    fileTypes_ = new QButtonGroup(this);
    const QString typeNames[] = {tr(".BM&P"), tr(".&JPG"), tr(".&GIF"), tr("A&ll")};
    for (int i = 0; i < 4; ++i) {
        Option2[i] = option(QStringLiteral("Option2_%1").arg(i), typeNames[i], Frame4);
        fileTypes_->addButton(Option2[i], i);
        typeBox->addWidget(Option2[i]);
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option2_Click(i);
        });
    }
    typeBox->addStretch();
    choices->addWidget(Frame4);

    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setMinimumWidth(200);
    File1->setToolTip(tr("Picture files of the current folder; click one to lay the buttons on it"));
    choices->addWidget(File1, 1);
    outer->addLayout(choices);

    Frame2 = new common::ButtonRowsFrame(tr("Hangar Screen Text"), kRows, 170, this);
    for (int i = 0; i < kRows; ++i) {
        Label2[i] = new common::ClickLabel(QStringLiteral("Label2_%1").arg(i), QString(), Frame2);
        Label2[i]->setMinimumWidth(130);
        Label2[i]->setToolTip(tr("Click to place this button on the picture"));
        QFont link = Label2[i]->font();
        link.setUnderline(true);
        Label2[i]->setFont(link);
        connect(Label2[i], &common::ClickLabel::clicked, this, [this, i] { Label2_Click(i); });
        Frame2->setRowLead(i, Label2[i]);
        Text2[i] = Frame2->caption(i);
        std::tie(Text3[i], Text4[i], Text5[i], Text6[i]) = std::tuple_cat(Frame2->coordinates(i));
        common::RowBoxes(Text2[i], Text3[i], Text4[i], Text5[i], Text6[i]).sendEditsTo(*rows_, i, this);
    }
    connect(rows_, &HangarRowsDocument::rowsChanged, this, [this](const QList<int>& changed) { showRows(changed); });
    connect(rows_, &HangarRowsDocument::modifiedChanged, this, &QWidget::setWindowModified);
    outer->addWidget(Frame2);

    auto* commands = new QHBoxLayout;
    auto* rowCaption = new QLabel(tr("Button:"), this);
    PlaneRow = new QLabel(this);
    PlaneRow->setObjectName(QStringLiteral("PlaneRow"));
    PlaneRow->setMinimumWidth(20);
    PlaneRow->setToolTip(tr("Number of the selected button (0 to 4)"));
    Command1 = new QPushButton(tr("&Make hangar  .mnu file"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(tr("Write the country's hangar menu file into the current folder (Ctrl+S)"));
    Command2 = new QPushButton(tr("E&xit"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    editRow_ = new QHBoxLayout;
    commands->addWidget(rowCaption);
    commands->addWidget(PlaneRow);
    commands->addStretch();
    commands->addLayout(editRow_);
    commands->addWidget(Command1);
    commands->addWidget(Command2);
    outer->addLayout(commands);

    status = new QLabel(this);
    status->setObjectName(QStringLiteral("StatusLine"));
    status->setWordWrap(true);
    outer->addWidget(status);

    connect(File1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { File1_Click(item->text()); });
    connect(File1, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { File1_Click(item->text()); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { endProgram(); });

    picture_ = std::make_unique<PictureWindow>(*this);
    Form_Load();
    addCommands();
    updateTitle();
    common::routeUndoToWindow(this);
}

void ButtonTableWindow::addCommands()
{
    const common::StandardActions actions = common::addUndoCommands(rows_->stack(), this, editRow_,
        {.save = [this] { Command1->click(); },
            // The picture is "opened" from the file list.
            .open = [this] { File1->setFocus(Qt::ShortcutFocusReason); },
            .quit = [this] { endProgram(); }});
    // The drags are made in the picture window: undone there as well.
    picture_->addAction(actions.undo());
    picture_->addAction(actions.redo());
    // In the order the row shows them.
    QWidget* undoButton = editRow_->itemAt(0)->widget();
    setTabOrder(undoButton, editRow_->itemAt(1)->widget());
    setTabOrder(editRow_->itemAt(1)->widget(), Command1);
    setTabOrder(Command1, Command2);
}

void ButtonTableWindow::updateTitle()
{
    QString title = tr("Hangar Screen Menu Maker");
    if (!fileName_.isEmpty())
        title += QStringLiteral(" \u2014 ") + fileName_;
    setWindowTitle(title + QStringLiteral("[*] \u2014 Bayward"));
}

void ButtonTableWindow::showRows(const QList<int>& changed)
{
    for (int i : changed)
        common::RowBoxes(Text2[i], Text3[i], Text4[i], Text5[i], Text6[i]).show(*rows_, i);
}

ButtonTableWindow::~ButtonTableWindow()
{
    picture_.reset();
}

void ButtonTableWindow::Form_Load()
{
    countries_->setExclusive(false);
    for (QRadioButton* o : Option1)
        o->setChecked(false);
    countries_->setExclusive(true);
    rows_->setDefaults();
    for (int i = 0; i < kRows; ++i) {
        for (QLineEdit* e : {Text2[i], Text3[i], Text4[i], Text5[i], Text6[i]})
            e->show();
        Label2[i]->setText(rows_->text(i, common::ButtonRowsDocument::Field::Caption));
    }
    refreshFiles();
}

void ButtonTableWindow::refreshFiles()
{
    File1->clear();
    File1->addItems(common::fileNames(common::currentFolderText(), {pattern_}));
}

menuwright::HangarLayout ButtonTableWindow::layout() const
{
    return rows_->layout();
}

int ButtonTableWindow::selectedRow() const
{
    bool ok = false;
    const int row = PlaneRow->text().toInt(&ok);
    return ok ? row : -1;
}

void ButtonTableWindow::Option1_Click(int i)
{
    pictureLoaded_ = false;
    for (int r = 0; r < kRows; ++r)
        for (QLineEdit* e : {Text2[r], Text3[r], Text4[r], Text5[r], Text6[r]})
            e->show();
    fileName_ = QString::fromStdString(menuwright::hangarMenuFileName(static_cast<menuwright::Side>(i)));
    updateTitle();
}

void ButtonTableWindow::Option2_Click(int i)
{
    const char* patterns[] = {"*.BMP", "*.JPG", "*.GIF", "*.*"};
    pattern_ = QString::fromLatin1(patterns[i]);
    refreshFiles();
}

void ButtonTableWindow::File1_Click(const QString& name)
{
    QString error;
    if (!picture_->loadPicture(QDir(common::currentFolderText()).filePath(name), &error)) {
        common::dialogs().message(this, windowTitle(),
            tr("The picture %1 cannot be shown: %2.\nThe previous picture stays.").arg(name, error),
            common::MessageIcon::Warning);
        return;
    }
    picture_->Label1->setText(name);
    pictureLoaded_ = true;
}

void ButtonTableWindow::Label2_Click(int i)
{
    PlaneRow->setText(QString::number(i));
    picture_->setWindowTitle(
        Text2[i]->text() + tr(":  Click and drag!  Right click when done") + QStringLiteral(" \u2014 Bayward"));
    if (!pictureLoaded_) {
        status->setText(tr("Choose a picture in the file list first: a click on a button's name then opens it, "
                           "to drag the button's rectangle on it."));
        return;
    }
    status->clear();
    picture_->show();
    picture_->raise();
    picture_->activateWindow();
}

void ButtonTableWindow::Command1_Click()
{
    writeHangarFile();
}

bool ButtonTableWindow::writeHangarFile()
{
    if (fileName_.isEmpty()) {
        common::dialogs().message(this, windowTitle(),
            tr("Choose a country first (USA, Britain or Axis): it decides the name of the hangar file.\n"
               "Nothing was written."),
            common::MessageIcon::Warning);
        return false;
    }
    const QString path = QDir(common::currentFolderText()).filePath(fileName_);
    const menuwright::HangarLayout hangar = layout();
    try {
        menuwright::writeHangarFile(common::nativePath(path), hangar);
    } catch (const menuwright::MenuFileError& e) {
        common::dialogs().message(
            this, windowTitle(), common::failureText(e) + tr("\nNothing was written."), common::MessageIcon::Warning);
        return false;
    } catch (const common::IoError& e) {
        common::dialogs().message(this, windowTitle(), common::writeFailureText(path, e), common::MessageIcon::Error);
        return false;
    }
    // What was still being typed was written: its step ends here.
    rows_->closeStep();
    QString said = common::withBackupNotice(tr("Wrote %1.").arg(QDir::toNativeSeparators(path)));
    // A button the game would draw cut off is named, never refused.
    if (const auto offScreen = menuwright::offScreenNotice(hangar); !offScreen.empty())
        said += '\n' + common::coreText(offScreen);
    status->setText(said);
    rows_->markSaved();
    return true;
}

// Unsaved rows are offered for saving, as Menuwright's hangar window does;
// an unchanged window ends at once.
bool ButtonTableWindow::mayEnd()
{
    rows_->closeStep();
    if (!rows_->modified())
        return true;
    const common::Answer answer = common::dialogs().cancellableQuestion(this, QStringLiteral("Bayward"),
        tr("The hangar buttons were changed since the hangar file was last written.\nSave them before you exit?"),
        common::CancellableQuestion::SaveDiscardCancel);
    if (answer == common::Answer::Save)
        return writeHangarFile();
    return answer == common::Answer::Discard;
}

void ButtonTableWindow::endProgram()
{
    if (ending_ || !mayEnd())
        return;
    ending_ = true;
    picture_->hide();
    close();
    QCoreApplication::quit();
}

void ButtonTableWindow::closeEvent(QCloseEvent* event)
{
    if (!ending_ && !mayEnd()) {
        event->ignore();
        return;
    }
    event->accept();
    if (!ending_) {
        ending_ = true;
        picture_->hide();
        QCoreApplication::quit();
    }
}

} // namespace bayward
