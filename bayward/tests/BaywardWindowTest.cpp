// SPDX-License-Identifier: GPL-3.0-or-later
#include "bayward/ui/ButtonTableWindow.h"
#include "bayward/ui/HangarRowsDocument.h"
#include "bayward/ui/PictureWindow.h"
#include "common/testing/AccessibleNameCheck.h"
#include "common/ui/AccessibleNames.h"
#include "common/ui/ClickLabel.h"
#include "common/ui/PictureBoard.h"
#include "common/ui/PictureRectangle.h"

#include "menuwright/menufile/MenuFileWriter.h"
#include "menuwright/ui/FileBrowser.h"
#include "menuwright/ui/MenuwrightProgram.h"
#include "menuwright/ui/MenuwrightSession.h"
#include "menuwright/ui/RectangleLocatorWindow.h"
#include "menuwright/ui/HangarTableWindow.h"

#include "tools/demogen/MenuDemo.h"
#include "tools/demogen/PictureEncoding.h"

#include "common/testing/ProgramRun.h"
#include "common/testing/ScriptedDialogs.h"
#include "common/testing/TempDir.h"

#include <QAction>
#include <QUndoStack>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace bayward {
namespace {

class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

template <class T>
T* child(QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

void clickOption(QWidget* window, const QString& name)
{
    auto* o = child<QRadioButton>(window, name);
    QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(8, o->height() / 2));
}

// The title bar's text: the modified marker in place of "[*]".
std::string shownTitle(const QWidget* window)
{
    QString title = window->windowTitle();
    const QString marker = window->isWindowModified() ? QStringLiteral("*") : QString();
    return title.replace(QStringLiteral("[*]"), marker).toStdString();
}

QStringList listed(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

class BaywardWindows : public ::testing::Test {
protected:
    BaywardWindows() : here_(prepare(dir)), table(std::make_unique<ButtonTableWindow>()), picture(&table->picture()) { table->show(); }

    static const std::filesystem::path& prepare(const common::TempDir& dir)
    {
        common::writeAllBytes(dir / "hangar.bmp", demogen::encodeBmp(demogen::drawHangarScreen()));
        common::writeAllBytes(dir / "NIGHT.BMP", demogen::encodeBmp(demogen::DemoPicture(64, 48, {10, 10, 30})));
        common::writeAllText(dir / "broken.gif", "GIF89a, but nothing more");
        common::writeAllText(dir / "notes.txt", "not a picture");
        return dir.path();
    }

    void chooseFile(const QString& name)
    {
        QListWidget* list = child<QListWidget>(table.get(), "File1");
        const auto items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.front()).center());
    }
    void clickRow(int i) { QTest::mouseClick(child<common::ClickLabel>(table.get(), QStringLiteral("Label2_%1").arg(i)), Qt::LeftButton); }
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(picture->Picture1, Qt::LeftButton, {}, from);
        QTest::mouseRelease(picture->Picture1, Qt::LeftButton, {}, to);
    }
    QStringList boxes(int i)
    {
        QStringList out;
        for (const char* name : {"Text3", "Text4", "Text5", "Text6"})
            out << child<QLineEdit>(table.get(), QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i))->text();
        return out;
    }
    void setBox(const char* name, int i, const QString& value)
    {
        child<QLineEdit>(table.get(), QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i))->setText(value);
    }
    void make() { QTest::mouseClick(child<QPushButton>(table.get(), "Command1"), Qt::LeftButton); }
    // Country, picture and row: the picture window is open for the row.
    void readyToDrag(int country, int row)
    {
        clickOption(table.get(), QStringLiteral("Option1_%1").arg(country));
        chooseFile("hangar.bmp");
        clickRow(row);
    }

    common::TempDir dir;
    common::ScopedScriptedDialogs dlg;

private:
    CurrentFolder here_;

protected:
    std::unique_ptr<ButtonTableWindow> table;
    PictureWindow* picture;
};

TEST_F(BaywardWindows, LoadShowsDefaultsWithNoCountry)
{
    EXPECT_EQ(shownTitle(table.get()), "Hangar Screen Menu Maker — Bayward");
    EXPECT_EQ(shownTitle(picture), "Rectangle locator — Bayward");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Bayward"); // follows the captions in title bars
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(table->Option1[i]->isChecked());
    const QStringList captions{"Back", "Arming Board", "Mission Parameters", "View Plane", "Fly Mission"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(table->Text2[i]->text(), captions[i]);
        EXPECT_EQ(table->Label2[i]->text(), captions[i]);
        EXPECT_EQ(boxes(i), QStringList({"", "", "", ""}));
    }
    EXPECT_EQ(listed(table->File1), QStringList({"broken.gif", "hangar.bmp", "NIGHT.BMP", "notes.txt"}));
    EXPECT_EQ(child<QGroupBox>(table.get(), "Frame4")->title(), "Screen file type");
}

TEST_F(BaywardWindows, DragFillsTheBoxesAndTheFile)
{
    readyToDrag(0, 1);
    EXPECT_TRUE(picture->isVisible());
    EXPECT_EQ(shownTitle(picture), "Arming Board:  Click and drag!  Right click when done — Bayward");
    EXPECT_EQ(picture->Label1->text(), "hangar.bmp");
    EXPECT_EQ(table->PlaneRow->text(), "1");

    drag({100, 50}, {260, 90});
    EXPECT_EQ(boxes(1), QStringList({" 100", " 50", " 160", " 40"}));
    EXPECT_EQ(picture->Label2[1]->geometry(), QRect(100, 50, 160, 40));
    EXPECT_EQ(picture->Label2[1]->text(), "Arming Board");
    EXPECT_FALSE(picture->Label2[1]->isHidden());

    make();
    const auto bytes = common::readAllBytes(dir / "hangarus.mnu");
    ASSERT_EQ(bytes.size(), 172u);
    // Row 1 follows the 16-byte header and the 24-byte "Back" entry; its
    // rectangle follows the 8 entry bytes, "Arming Board" and its zero.
    const std::size_t rect = 16 + 24 + 8 + 12 + 1;
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + rect, bytes.begin() + rect + 8),
        (std::vector<std::uint8_t>{0x64, 0x00, 0x32, 0x00, 0xA0, 0x00, 0x28, 0x00}));
    EXPECT_EQ(bytes, menuwright::buildHangarFile(table->layout()));
    EXPECT_TRUE(dlg->events.empty());
}

// A button the game would draw cut off is written all the same, and named
// in the status line until it fits.
TEST_F(BaywardWindows, AButtonBeyondTheScreenIsWrittenAndNamedInTheStatusLine)
{
    readyToDrag(0, 1);
    drag({600, 50}, {640, 90});
    // A drag stops at the picture's edge; a typed width does not.
    child<QLineEdit>(table.get(), "Text5_1")->setText(" 60");
    make();
    const auto* status = child<QLabel>(table.get(), "StatusLine");
    EXPECT_TRUE(status->text().contains("Button 2 reaches beyond the 640 x 480 screen (L 600, T 50, W 60, H 40)."))
        << status->text().toStdString();
    EXPECT_EQ(common::readAllBytes(dir / "hangarus.mnu"), menuwright::buildHangarFile(table->layout()));

    drag({500, 50}, {560, 90});
    make();
    EXPECT_TRUE(status->text().startsWith("Wrote ")) << status->text().toStdString();
    EXPECT_FALSE(status->text().contains("beyond")) << status->text().toStdString();
}

TEST_F(BaywardWindows, ClicksWithoutMovementBackwardsDragsAndRightClicks)
{
    readyToDrag(0, 2);
    drag({300, 200}, {300, 200});
    EXPECT_EQ(boxes(2), QStringList({" 300", " 200", " 0", " 0"}));

    drag({260, 90}, {100, 50}); // up and to the left
    EXPECT_EQ(boxes(2), QStringList({" 100", " 50", " 160", " 40"}));
    drag({600, 400}, {900, 470}); // released beyond the right edge
    EXPECT_EQ(boxes(2), QStringList({" 600", " 400", " 40", " 70"}));

    // A right click goes back to the table and changes no row.
    QTest::mousePress(picture->Picture1, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseRelease(picture->Picture1, Qt::RightButton, {}, QPoint(400, 300));
    EXPECT_FALSE(picture->isVisible());
    EXPECT_TRUE(table->isVisible());
    EXPECT_EQ(boxes(2), QStringList({" 600", " 400", " 40", " 70"}));
    for (int i : {0, 1, 3, 4})
        EXPECT_EQ(boxes(i), QStringList({"", "", "", ""}));
}

TEST_F(BaywardWindows, ClickingAPlacedRectangleHidesItUntilTheNextDrag)
{
    readyToDrag(1, 4);
    drag({20, 30}, {120, 60});
    common::PictureRectangle* placed = picture->Label2[4];
    QTest::mouseClick(placed, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(placed->isHidden());
    EXPECT_EQ(boxes(4), QStringList({" 20", " 30", " 100", " 30"}));
    drag({40, 50}, {60, 80});
    EXPECT_FALSE(placed->isHidden());
    EXPECT_EQ(placed->geometry(), QRect(40, 50, 20, 30));
}

TEST_F(BaywardWindows, PlacementsAndHidingAreUndoneAndRedone)
{
    readyToDrag(0, 1);
    common::PictureRectangle* placed = picture->Label2[1];
    drag({100, 50}, {260, 90});
    drag({20, 30}, {120, 60});
    QTest::mouseClick(placed, Qt::LeftButton, {}, QPoint(5, 5)); // hides it
    EXPECT_EQ(shownTitle(table.get()), "Hangar Screen Menu Maker — hangarus.mnu* — Bayward");

    QAction* undo = child<QAction>(table.get(), "actionUndo");
    undo->trigger();
    EXPECT_FALSE(placed->isHidden());
    undo->trigger();
    EXPECT_EQ(boxes(1), QStringList({" 100", " 50", " 160", " 40"}));
    EXPECT_EQ(placed->geometry(), QRect(100, 50, 160, 40));
    undo->trigger();
    EXPECT_EQ(boxes(1), QStringList({"", "", "", ""}));
    EXPECT_TRUE(placed->isHidden());
    EXPECT_FALSE(table->isWindowModified());

    child<QAction>(table.get(), "actionRedo")->trigger();
    EXPECT_EQ(boxes(1), QStringList({" 100", " 50", " 160", " 40"}));
    EXPECT_FALSE(placed->isHidden());
    make();
    EXPECT_EQ(shownTitle(table.get()), "Hangar Screen Menu Maker — hangarus.mnu — Bayward");
    EXPECT_TRUE(table->status->text().contains("hangarus.mnu"));
    undo->trigger(); // saving kept the history; undoing writes nothing
    EXPECT_TRUE(table->isWindowModified());
    EXPECT_EQ(common::readAllBytes(dir / "hangarus.mnu").at(16 + 24 + 8 + 12 + 1), 0x64);
}

// Both windows show the one document, whoever edits it.
TEST_F(BaywardWindows, BothWindowsFollowThePlacementsOfTheRows)
{
    HangarRowsDocument& rows = table->rows();
    rows.placeButton(2, {10, 20, 30, 40});
    EXPECT_EQ(boxes(2), QStringList({" 10", " 20", " 30", " 40"}));
    EXPECT_EQ(picture->Label2[2]->geometry(), QRect(10, 20, 30, 40));
    EXPECT_FALSE(picture->Label2[2]->isHidden());
    EXPECT_TRUE(table->isWindowModified());

    rows.hideButton(2);
    EXPECT_TRUE(picture->Label2[2]->isHidden());
    rows.stack()->undo();
    rows.stack()->undo();
    EXPECT_EQ(boxes(2), QStringList({"", "", "", ""}));
    EXPECT_TRUE(picture->Label2[2]->isHidden());
    EXPECT_FALSE(table->isWindowModified());
}

TEST_F(BaywardWindows, WhatIsTypedIntoABoxIsOneStep)
{
    QLineEdit* width = child<QLineEdit>(table.get(), "Text5_3");
    QTest::keyClicks(width, "120");
    QTest::keyClick(width, Qt::Key_Return);
    QTest::keyClicks(child<QLineEdit>(table.get(), "Text6_3"), "25");
    EXPECT_EQ(table->layout().rows[3].W, "120");
    EXPECT_EQ(table->rows().stack()->count(), 2);

    QAction* undo = child<QAction>(table.get(), "actionUndo");
    undo->trigger();
    EXPECT_EQ(boxes(3), QStringList({"", "", "120", ""}));
    undo->trigger();
    EXPECT_EQ(boxes(3), QStringList({"", "", "", ""}));
    EXPECT_FALSE(table->isWindowModified());
}

TEST_F(BaywardWindows, RightClickOnAPlacedRectangleGoesBackToTheTable)
{
    readyToDrag(0, 1);
    drag({100, 50}, {260, 90});
    common::PictureRectangle* placed = picture->Label2[1];
    QTest::mousePress(placed, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(placed, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(picture->isVisible());
    EXPECT_TRUE(table->isVisible());
    EXPECT_FALSE(placed->isHidden());
    EXPECT_EQ(boxes(1), QStringList({" 100", " 50", " 160", " 40"}));
}

enum class Protection { Folder, ReadOnlyFile };

class WriteProtectedHangarFile : public BaywardWindows, public ::testing::WithParamInterface<Protection> {};

TEST_P(WriteProtectedHangarFile, IsRefusedNamingTheFile)
{
    if (GetParam() == Protection::ReadOnlyFile) {
        common::writeAllText(dir / "hangarus.mnu", "old");
        std::filesystem::permissions(dir / "hangarus.mnu", std::filesystem::perms::owner_read);
    } else {
        std::filesystem::create_directory(dir / "hangarus.mnu");
    }
    clickOption(table.get(), "Option1_0");
    make();
    ASSERT_EQ(dlg->texts().size(), 1);
    EXPECT_EQ(dlg->texts()[0],
        "Cannot write " + QDir::toNativeSeparators(QDir::current().filePath("hangarus.mnu")) + ": File access denied");
    EXPECT_TRUE(table->status->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, WriteProtectedHangarFile, ::testing::Values(Protection::Folder, Protection::ReadOnlyFile),
    [](const auto& info) { return info.param == Protection::Folder ? "Folder" : "ReadOnlyFile"; });

TEST_F(BaywardWindows, CountryDecidesTheFileInTheCurrentFolder)
{
    readyToDrag(2, 0);
    drag({10, 10}, {50, 30});
    make();
    EXPECT_TRUE(std::filesystem::exists(dir / "hangargr.mnu"));
    EXPECT_FALSE(std::filesystem::exists(dir / "hangarus.mnu"));
    clickOption(table.get(), "Option1_1");
    make();
    EXPECT_EQ(common::readAllBytes(dir / "hangaruk.mnu"), common::readAllBytes(dir / "hangargr.mnu"));
}

TEST_F(BaywardWindows, WithoutAPictureARowClickOpensNoPictureWindow)
{
    clickOption(table.get(), "Option1_0");
    clickRow(3);
    EXPECT_EQ(table->PlaneRow->text(), "3");
    EXPECT_FALSE(picture->isVisible());
    EXPECT_TRUE(table->status->text().startsWith("Choose a picture in the file list first"));

    // Choosing a country forgets the picture chosen before it.
    chooseFile("hangar.bmp");
    clickOption(table.get(), "Option1_2");
    clickRow(3);
    EXPECT_FALSE(picture->isVisible());
    chooseFile("hangar.bmp");
    clickRow(3);
    EXPECT_TRUE(picture->isVisible());
}

TEST_F(BaywardWindows, FileTypeOptionsFilterTheList)
{
    clickOption(table.get(), "Option2_0");
    EXPECT_EQ(listed(table->File1), QStringList({"hangar.bmp", "NIGHT.BMP"}));
    clickOption(table.get(), "Option2_2");
    EXPECT_EQ(listed(table->File1), QStringList({"broken.gif"}));
    clickOption(table.get(), "Option2_1");
    EXPECT_TRUE(listed(table->File1).isEmpty());
    clickOption(table.get(), "Option2_3");
    EXPECT_EQ(table->File1->count(), 4);
}

TEST_F(BaywardWindows, RefusalsAreExplainedAndWriteNothing)
{
    make();
    ASSERT_EQ(dlg->texts().size(), 1);
    EXPECT_TRUE(dlg->texts()[0].startsWith("Choose a country first"));

    readyToDrag(0, 0);
    const qint64 shown = picture->Picture1->picture().cacheKey();
    chooseFile("broken.gif");
    ASSERT_EQ(dlg->texts().size(), 2);
    EXPECT_TRUE(dlg->texts()[1].startsWith("The picture broken.gif cannot be shown"));
    EXPECT_EQ(picture->Picture1->picture().cacheKey(), shown);
    EXPECT_EQ(picture->Label1->text(), "hangar.bmp");
    EXPECT_TRUE(table->pictureLoaded());

    setBox("Text4", 3, "-5");
    make();
    ASSERT_EQ(dlg->texts().size(), 3);
    EXPECT_EQ(dlg->texts()[2], "Row 3, T: \"-5\" is not a coordinate from 0 to 65535.\nNothing was written.");
    EXPECT_FALSE(std::filesystem::exists(dir / "hangarus.mnu"));
}

TEST_F(BaywardWindows, ExitEndsBothWindows)
{
    readyToDrag(0, 0);
    QTest::mouseClick(child<QPushButton>(table.get(), "Command2"), Qt::LeftButton);
    EXPECT_FALSE(table->isVisible());
    EXPECT_FALSE(picture->isVisible());
}

// Unsaved rows are offered at Exit, as in Menuwright's hangar window: the
// answer decides whether the file is written and the program ends; rows
// that match the file written end it at once.
TEST_F(BaywardWindows, ExitAsksAboutUnsavedRows)
{
    struct Case {
        common::Answer answer;
        bool ends;
        bool written;
    };
    for (const Case& c : {Case{common::Answer::Cancel, false, false}, Case{common::Answer::Discard, true, false},
             Case{common::Answer::Save, true, true}}) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        std::filesystem::remove(dir / "hangarus.mnu");
        table = std::make_unique<ButtonTableWindow>();
        picture = &table->picture();
        table->show();
        readyToDrag(0, 1);
        drag({100, 50}, {260, 90});
        const auto asked = dlg->events.size();
        dlg->answers.push_back(c.answer);
        QTest::mouseClick(child<QPushButton>(table.get(), "Command2"), Qt::LeftButton);
        ASSERT_EQ(dlg->events.size(), asked + 1);
        EXPECT_EQ(dlg->events.back().kind, common::ScriptedDialogs::Kind::Question);
        EXPECT_EQ(table->isVisible(), !c.ends);
        EXPECT_EQ(std::filesystem::exists(dir / "hangarus.mnu"), c.written);
    }

    table = std::make_unique<ButtonTableWindow>();
    picture = &table->picture();
    table->show();
    readyToDrag(0, 1);
    drag({100, 50}, {260, 90});
    make();
    const auto asked = dlg->events.size();
    QTest::mouseClick(child<QPushButton>(table.get(), "Command2"), Qt::LeftButton);
    EXPECT_EQ(dlg->events.size(), asked);
    EXPECT_FALSE(table->isVisible());
}

// Ctrl+Z in a box whose value was committed with Enter takes back that
// step: the box empties and the window is unchanged again.
TEST_F(BaywardWindows, CtrlZInACommittedBoxUndoesTheStep)
{
    auto* left = child<QLineEdit>(table.get(), "Text3_0");
    left->setFocus();
    QTest::keyClicks(left, "10");
    QTest::keyClick(left, Qt::Key_Return);
    ASSERT_TRUE(table->isWindowModified());
    // The window's shortcuts answer in the active window only.
    table->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table.get()));
    QTest::keyClick(left, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(left->text(), "");
    EXPECT_FALSE(table->isWindowModified());
    QTest::keyClick(left, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(left->text(), "10");
    EXPECT_TRUE(table->isWindowModified());
}

// The same five rows give the same bytes from both programs.
TEST_F(BaywardWindows, SameRowsMakeTheSameFileAsMenuwright)
{
    std::filesystem::create_directory(dir / "mw");
    readyToDrag(0, 0);
    const QList<QRect> placed{{16, 16, 96, 34}, {16, 424, 176, 34}, {202, 424, 236, 34}, {448, 424, 176, 34},
        {468, 16, 156, 34}};
    for (int i = 0; i < 5; ++i) {
        clickRow(i);
        drag(placed[i].topLeft(), placed[i].topLeft() + QPoint(placed[i].width(), placed[i].height()));
    }
    table->Text2[2]->setText("Mission Orders");
    make();

    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString((dir / "settings").string()));
    auto locator = menuwright::startMenuwright({});
    QTest::mouseClick(child<QPushButton>(locator.get(), "Command4"), Qt::LeftButton);
    menuwright::HangarTableWindow& other = locator->module().ph1();
    other.Dir1->setPath(QString::fromStdString((dir / "mw").string()));
    for (int i = 0; i < 5; ++i) {
        other.Text2[i]->setText(table->Text2[i]->text());
        other.Text3[i]->setText(QString::number(placed[i].x()));
        other.Text4[i]->setText(QString::number(placed[i].y()));
        other.Text5[i]->setText(QString::number(placed[i].width()));
        other.Text6[i]->setText(QString::number(placed[i].height()));
    }
    QTest::mouseClick(child<QPushButton>(&other, "Command1"), Qt::LeftButton);

    const auto ours = common::readAllBytes(dir / "hangarus.mnu");
    EXPECT_EQ(ours.size(), 168u);
    EXPECT_EQ(common::readAllBytes(dir / "mw" / "hangarus.mnu"), ours);
}

TEST(BaywardProgram, StartsOnTheDemoAndRendersItsFirstWindow)
{
    common::TempDir dir;
    common::writeAllBytes(dir / "hangar.bmp", demogen::encodeBmp(demogen::drawHangarScreen()));
    const auto run = common::runProgram(BAYWARD_EXE, dir.path(), {"--screenshot", "shot.png"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_FALSE(QImage(QString::fromStdString((dir / "shot.png").string())).isNull());
    EXPECT_FALSE(std::filesystem::exists(dir / "hangarus.mnu"));
}


// A screen reader hears each control by its label, and no two alike.
TEST_F(BaywardWindows, EveryControlHasTheAccessibleNameOfItsLabel)
{
    common::nameControlsByLabels(*table);
    EXPECT_EQ(common::accessibleNameFaults(*table).join("\n").toStdString(), "");
}

} // namespace
} // namespace bayward
