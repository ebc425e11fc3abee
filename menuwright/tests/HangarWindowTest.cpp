// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowTestSupport.h"

#include "common/testing/AccessibleNameCheck.h"
#include "common/ui/AccessibleNames.h"
#include "menuwright/ui/FileBrowser.h"
#include "common/ui/NativePath.h"
#include "common/ui/PictureRectangle.h"
#include "menuwright/ui/WarningBox.h"

#include "tools/demogen/MenuDemo.h"
#include "tools/demogen/PictureEncoding.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace menuwright::testing {
namespace {

using Kind = common::ScriptedDialogs::Kind;

class HangarWindow : public MenuwrightWindows {
protected:
    HangarWindow()
    {
        std::filesystem::create_directories(dir / "pics");
        common::writeAllBytes(dir / "pics" / demogen::kDemoHangarPicture, demogen::encodeBmp(demogen::drawHangarScreen()));
        QTest::mouseClick(child<QPushButton>(locator.get(), "Command4"), Qt::LeftButton);
        hangar = &module.ph1();
    }

    void choosePicture()
    {
        child<FolderList>(hangar, "Dir1")->setPath(path("pics"));
        ASSERT_TRUE(child<FileList>(hangar, "File1")->chooseFile(QString::fromLatin1(demogen::kDemoHangarPicture)));
    }
    void click(const char* name)
    {
        // At the left end, where a radio button's indicator is.
        QAbstractButton* b = child<QAbstractButton>(hangar, QString::fromLatin1(name));
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    common::PictureRectangle* rectangle(int i) { return child<common::PictureRectangle>(hangar, indexed("Label2", i)); }
    QStringList row(int i) { return rowTexts(hangar, i); }

    HangarTableWindow* hangar = nullptr;
};

TEST_F(HangarWindow, LoadSetsDefaultsAndTheStartFolder)
{
    EXPECT_TRUE(hangar->isVisible());
    EXPECT_EQ(shownTitle(hangar), "Hangar Screen Menu Maker — Menuwright");
    EXPECT_TRUE(child<QRadioButton>(hangar, "Option1_0")->isChecked());
    EXPECT_EQ(hangar->hangarFileName(), "hangarus.mnu");
    const QStringList captions{"Back", "Arming Board", "Mission Parameters", "View Plane", "Fly Mission"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(row(i), QStringList({captions[i], "", "", "", ""})) << i;
        EXPECT_EQ(rectangle(i)->text(), captions[i]);
        EXPECT_TRUE(rectangle(i)->isHidden());
    }
    auto* files = child<FileList>(hangar, "File1");
    EXPECT_EQ(files->path(), module.startDirectory);
    EXPECT_EQ(files->pattern(), "*.bmp;*.jpg;*.gif");
    EXPECT_EQ(child<QPushButton>(hangar, "Command1")->text(), "Make hangar  .mnu file");

    QTest::keyClicks(child<QLineEdit>(hangar, "Text2_3"), "!");
    EXPECT_EQ(rectangle(3)->text(), "View Plane!");
}

TEST_F(HangarWindow, MakeBeforeAPictureWritesAnEmptyTextFile)
{
    dlg->files.push_back(path("none.txt"));
    click("Command1");
    EXPECT_EQ(std::filesystem::file_size(dir / "hangarus.mnu"), 172u); // the start folder
    EXPECT_EQ(common::readAllText(dir / "none.txt"), "");
}

// A button beyond the game's screen is written as typed and named in the
// status line, whether the text file is saved or its dialog cancelled.
TEST_F(HangarWindow, AButtonBeyondTheScreenIsWrittenAndNamedInTheStatusLine)
{
    const auto type = [&](int i, const QStringList& ltwh) {
        for (int n = 0; n < 4; ++n)
            child<QLineEdit>(hangar, indexed(QString("Text%1").arg(n + 3).toLatin1().constData(), i))->setText(ltwh[n]);
    };
    type(4, {"600", "460", "50", "30"});
    type(2, {"10", "10", "100", "20"});
    const auto status = [&] { return child<QLabel>(hangar, "StatusLine")->text(); };
    const QString notice = "Button 5 reaches beyond the 640 x 480 screen (L 600, T 460, W 50, H 30).";
    for (const std::optional<QString>& textFile :
        {std::optional<QString>(path("hangar.txt")), std::optional<QString>()}) {
        dlg->files.push_back(textFile);
        click("Command1");
        EXPECT_TRUE(status().endsWith("\n" + notice)) << status().toStdString();
    }
    type(4, {"590", "450", "50", "30"});
    dlg->files.push_back(path("hangar.txt"));
    click("Command1");
    EXPECT_FALSE(status().contains("beyond")) << status().toStdString();
}

TEST_F(HangarWindow, MakeAfterAPictureWritesIntoThePictureFolder)
{
    choosePicture();
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(rectangle(i)->isHidden()) << i;
    EXPECT_EQ(hangar->Picture1->picture().size(), QSize(640, 480));

    dlg->files.push_back(path("hangar.txt"));
    click("Command1");
    EXPECT_EQ(std::filesystem::file_size(dir / "pics" / "hangarus.mnu"), 172u);
    const auto& save = dlg->events.back();
    EXPECT_EQ(save.kind, Kind::SaveFile);
    EXPECT_EQ(save.title, "Enter the name of the textfile to be saved");
    EXPECT_EQ(save.request.directory, path("").chopped(1));
    const auto lines = this->lines("hangar.txt");
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[5], "Arming Board");
    EXPECT_EQ(lines[6], "");

    click("Option1_1");
    ASSERT_TRUE(child<QRadioButton>(hangar, "Option1_1")->isChecked());
    dlg->files.push_back(path("uk.txt"));
    click("Command1");
    EXPECT_TRUE(std::filesystem::exists(dir / "pics" / "hangaruk.mnu"));
    EXPECT_EQ(row(0)[0], "Back");
    click("Option1_2");
    click("Command1");
    EXPECT_TRUE(std::filesystem::exists(dir / "pics" / "hangargr.mnu"));
}

#ifndef _WIN32
// A folder copied from an old Windows code page has a name that is not
// UTF-8: its pictures are listed, shown, and the menu file lands beside them.
TEST_F(HangarWindow, PicturesInAFolderWhoseNameIsNotUtf8AreListedShownAndWrittenBeside)
{
    const std::filesystem::path folder = dir / "pics\xe9";
    std::filesystem::create_directories(folder / "sub\xff");
    common::writeAllBytes(folder / demogen::kDemoHangarPicture, demogen::encodeBmp(demogen::drawHangarScreen()));
    child<FolderList>(hangar, "Dir1")->setPath(common::pathText(folder));
    EXPECT_FALSE(child<FolderList>(hangar, "Dir1")->findItems("sub", Qt::MatchContains).isEmpty());
    ASSERT_TRUE(child<FileList>(hangar, "File1")->chooseFile(QString::fromLatin1(demogen::kDemoHangarPicture)));
    EXPECT_EQ(hangar->Picture1->picture().size(), QSize(640, 480));

    dlg->files.push_back(path("hangar.txt"));
    click("Command1");
    EXPECT_EQ(std::filesystem::file_size(folder / "hangarus.mnu"), 172u);
}
#endif

TEST_F(HangarWindow, LoadedTextPlacesRectanglesWhateverTheirVisibility)
{
    std::string text = "Back\r\n10\r\n20\r\n100\r\n30\r\n";
    for (int i = 1; i < 5; ++i)
        text += "B" + std::to_string(i) + "\r\n1\r\n2\r\n3\r\n4\r\n";
    common::writeAllText(dir / "h.txt", text);
    dlg->files.push_back(path("h.txt"));
    click("Command4");
    EXPECT_EQ(rectangle(0)->geometry(), QRect(10, 20, 100, 30));
    EXPECT_TRUE(rectangle(0)->isHidden());
    EXPECT_EQ(row(4), QStringList({"B4", "1", "2", "3", "4"}));
    EXPECT_EQ(rectangle(4)->text(), "B4");

    // A short file: the rows it holds whole are read, the others stay.
    common::writeAllText(dir / "short.txt", "S0\r\n5\r\n6\r\n7\r\n8\r\nS1\r\n9\r\n");
    dlg->files.push_back(path("short.txt"));
    click("Command4");
    EXPECT_EQ(row(0), QStringList({"S0", "5", "6", "7", "8"}));
    EXPECT_EQ(row(1), QStringList({"B1", "1", "2", "3", "4"}));
}

TEST_F(HangarWindow, DragsMoveAndSizeAndFillTheBoxes)
{
    choosePicture();
    common::PictureRectangle* r = rectangle(1);
    r->setGeometry(100, 200, 50, 20);
    pressButton(r, {4, 4}, Qt::LeftButton);
    moveWithButtons(r, {10, 1}, Qt::LeftButton);
    EXPECT_EQ(r->geometry(), QRect(106, 197, 50, 20));
    releaseButton(r, {10, 1}, Qt::LeftButton);

    pressButton(r, {5, 5}, Qt::RightButton);
    moveWithButtons(r, {90, -6}, Qt::RightButton); // pointer above: only the width follows
    EXPECT_EQ(r->geometry(), QRect(106, 197, 90, 20));
    EXPECT_EQ(row(1), QStringList({"Arming Board", "106", "197", "90", "20"}));

    dlg->files.push_back(path("after.txt"));
    click("Command1");
    const auto lines = this->lines("after.txt");
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 5, lines.begin() + 10),
        (std::vector<std::string>{"Arming Board", "106", "197", "90", "20"}));
}

TEST_F(HangarWindow, DragAndResizeAreUndoneAndRedoneStepByStep)
{
    choosePicture();
    common::PictureRectangle* r = rectangle(1);
    const QRect placed = r->geometry();
    pressButton(r, {4, 4}, Qt::LeftButton);
    moveWithButtons(r, {10, 1}, Qt::LeftButton);
    releaseButton(r, {10, 1}, Qt::LeftButton);
    const QRect moved = placed.translated(6, -3);
    pressButton(r, {5, 5}, Qt::RightButton);
    moveWithButtons(r, {90, 20}, Qt::RightButton);
    releaseButton(r, {90, 20}, Qt::RightButton);
    ASSERT_EQ(r->geometry(), QRect(moved.topLeft(), QSize(90, 20)));
    EXPECT_EQ(shownTitle(hangar), "Hangar Screen Menu Maker* — Menuwright");

    QAction* undo = child<QAction>(hangar, "actionUndo");
    QAction* redo = child<QAction>(hangar, "actionRedo");
    undo->trigger();
    EXPECT_EQ(r->geometry(), moved);
    EXPECT_EQ(row(1), QStringList({"Arming Board", QString::number(moved.x()), QString::number(moved.y()),
                          QString::number(moved.width()), QString::number(moved.height())}));
    undo->trigger();
    EXPECT_EQ(r->geometry(), placed);
    EXPECT_EQ(row(1), QStringList({"Arming Board", "", "", "", ""}));
    EXPECT_FALSE(hangar->isWindowModified());
    redo->trigger();
    redo->trigger();
    EXPECT_EQ(r->geometry(), QRect(moved.topLeft(), QSize(90, 20)));
    EXPECT_EQ(row(1)[3], "90");
}

TEST_F(HangarWindow, ShortcutsReachTheCommands)
{
    choosePicture();
    hangar->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(hangar)); // shortcuts go to the active window
    common::PictureRectangle* r = rectangle(0);
    pressButton(r, {4, 4}, Qt::RightButton);
    moveWithButtons(r, {60, 30}, Qt::RightButton);
    releaseButton(r, {60, 30}, Qt::RightButton);

    QTest::keyClick(hangar, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row(0)[3], "");
    QTest::keyClick(hangar, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(row(0)[3], "60");

    dlg->files.push_back(path("keys.txt"));
    QTest::keyClick(hangar, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(std::filesystem::exists(dir / "pics" / "hangarus.mnu"));
    EXPECT_EQ(lines("keys.txt")[3], "60");

    dlg->files.push_back(std::nullopt);
    QTest::keyClick(hangar, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dlg->events.back().title, "Select the textfile to be opened");

    QTest::keyClick(hangar, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(module.ending());
}

TEST_F(HangarWindow, UnsavedDragIsKeptOnCancelAndDroppedOnDiscard)
{
    choosePicture();
    common::PictureRectangle* r = rectangle(0);
    pressButton(r, {4, 4}, Qt::RightButton);
    moveWithButtons(r, {60, 30}, Qt::RightButton);
    releaseButton(r, {60, 30}, Qt::RightButton);

    dlg->answers.push_back(common::Answer::Cancel);
    hangar->close();
    EXPECT_FALSE(module.ending());
    EXPECT_TRUE(hangar->isVisible());

    dlg->answers.push_back(common::Answer::Discard);
    click("Command2");
    const QString asked = dlg->events.back().text;
    EXPECT_TRUE(asked.contains("hangar screen")) << asked.toStdString();
    EXPECT_TRUE(module.ending());
    EXPECT_FALSE(std::filesystem::exists(dir / "pics" / "hangarus.mnu"));
}

TEST_F(HangarWindow, ALongStatusLeavesTheCommandsInPlace)
{
    QApplication::processEvents();
    const QRect before = child<QPushButton>(hangar, "Command1")->geometry();
    hangar->status->setText("Wrote /home/modder/games/Vantor/menus/pictures/hangarus.mnu and the layout text file "
                            "hangar_layout_of_the_us_side.txt.");
    QApplication::processEvents();
    EXPECT_EQ(child<QPushButton>(hangar, "Command1")->geometry(), before);
}

TEST_F(HangarWindow, BadCoordinateRefusesTheMenuFile)
{
    choosePicture();
    setText(hangar, "Text5_2", "70000");
    click("Command1");
    EXPECT_FALSE(std::filesystem::exists(dir / "pics" / "hangarus.mnu"));
    EXPECT_EQ(child<WarningBox>(hangar, "Frame1")->text(),
        "Row 2, W: \"70000\" is not a coordinate from 0 to 65535.\nNothing was written.\n"
        "Click anywhere in this box to close this warning!");
}

// A screen reader hears each control by its label, and no two alike.
TEST_F(HangarWindow, EveryControlHasTheAccessibleNameOfItsLabel)
{
    common::nameControlsByLabels(*hangar);
    EXPECT_EQ(common::accessibleNameFaults(*hangar).join("\n").toStdString(), "");
}

} // namespace
} // namespace menuwright::testing
