// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowTestSupport.h"

#include "common/testing/AccessibleNameCheck.h"
#include "common/ui/AccessibleNames.h"
#include "common/ui/ClickLabel.h"
#include "menuwright/ui/FileBrowser.h"
#include "common/ui/PictureRectangle.h"
#include "menuwright/ui/WarningBox.h"

#include "menuwright/menufile/MenuFileWriter.h"

#include "tools/demogen/MenuDemo.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <unistd.h>
#include <QPushButton>
#include <QRadioButton>

namespace menuwright::testing {
namespace {

using Kind = common::ScriptedDialogs::Kind;

class SelectionWindows : public MenuwrightWindows {
protected:
    void clickOption(int side)
    {
        QRadioButton* option = child<QRadioButton>(locator.get(), indexed("Option1", side));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }
    void clickLabel(QWidget* window, const char* name)
    {
        QTest::mouseClick(child<common::ClickLabel>(window, QString::fromLatin1(name)), Qt::LeftButton);
    }
    void clickButton(QWidget* window, const char* name)
    {
        QTest::mouseClick(child<QPushButton>(window, QString::fromLatin1(name)), Qt::LeftButton);
    }
    common::PictureRectangle* rectangle(int i) { return child<common::PictureRectangle>(locator.get(), indexed("Label2", i)); }
    QString caption(int i) { return text(table, indexed("Text2", i)); }
    QStringList coordinates(int i)
    {
        return {text(table, indexed("Text3", i)), text(table, indexed("Text4", i)), text(table, indexed("Text5", i)),
            text(table, indexed("Text6", i))};
    }
    bool rowShown(int i) { return !child<QLineEdit>(table, indexed("Text2", i))->isHidden(); }
    WarningBox* warningOf(QWidget* window) { return child<WarningBox>(window, QStringLiteral("Frame1")); }
    void loadTextfile(const std::string& name, const std::string& content)
    {
        common::writeAllText(dir / name, content);
        dlg->files.push_back(path(name));
        clickButton(locator.get(), "Command1");
    }
    void fillCoordinates(int i, const QStringList& values)
    {
        int k = 0;
        for (const char* name : {"Text3", "Text4", "Text5", "Text6"})
            setText(table, indexed(name, i), values[k++]);
    }
};

TEST_F(SelectionWindows, StartUpShowsTheLocatorWithUsaSetUp)
{
    EXPECT_TRUE(locator->isVisible());
    EXPECT_EQ(shownTitle(locator.get()), "Rectangle locator — Menuwright");
    EXPECT_FALSE(table->isVisible());
    EXPECT_EQ(shownTitle(table), "Aircraft Selection Screen Menu Maker — Menuwright");
    EXPECT_TRUE(child<QRadioButton>(locator.get(), "Option1_0")->isChecked());
    EXPECT_EQ(text(table, "Text1"), "picplna.pic");
    EXPECT_EQ(module.menuFileName, "picplna.mnu");
    EXPECT_EQ(module.startDirectory, path("").chopped(1));
    EXPECT_EQ(caption(0), "P51 D");
    EXPECT_EQ(caption(10), "EXIT");
    for (int i = 0; i < 11; ++i) {
        EXPECT_TRUE(rectangle(i)->isHidden()) << i;
        EXPECT_EQ(coordinates(i), QStringList({"", "", "", ""})) << i;
    }
    EXPECT_EQ(child<QGroupBox>(table, "Frame3")->title(), "    L      T      W      H");
    EXPECT_EQ(child<QPushButton>(table, "Command1")->text(), "Make  .mnu file");
    EXPECT_EQ(text(table, "Text7"), "24");
}

struct SideCase {
    const char* name;
    int option;
    QStringList captions; // rows 0-10 as the table shows them ("" where hidden rows keep theirs)
    bool rowsSixSevenShown;
    const char* picture;
    const char* menuFile;
};

class SideSetUp : public SelectionWindows, public ::testing::WithParamInterface<SideCase> {};

TEST_P(SideSetUp, SetsCaptionsAndRowsButKeepsCoordinates)
{
    const SideCase& c = GetParam();
    for (int i = 0; i < 11; ++i)
        fillCoordinates(i, {QString::number(i), "5", "60", "20"});
    clickOption(2);       // Axis first, so rows 6-7 hold Axis captions
    clickOption(c.option);

    for (int i = 0; i < 11; ++i) {
        if (!c.captions[i].isEmpty()) {
            EXPECT_EQ(caption(i), c.captions[i]) << i;
        }
        EXPECT_EQ(rectangle(i)->text(), caption(i)) << i; // follows the caption box
        EXPECT_EQ(coordinates(i), QStringList({QString::number(i), "5", "60", "20"})) << i;
    }
    EXPECT_EQ(rowShown(6), c.rowsSixSevenShown);
    EXPECT_EQ(rowShown(7), c.rowsSixSevenShown);
    EXPECT_EQ(child<QLabel>(table, "Label2_6")->isHidden(), !c.rowsSixSevenShown);
    EXPECT_EQ(caption(6), "Bf 110G"); // not cleared when hidden
    EXPECT_EQ(text(table, "Text1"), c.picture);
    EXPECT_EQ(module.menuFileName, c.menuFile);
    EXPECT_EQ(child<QLabel>(table, "Label2_10")->text(), "Exit");
}

INSTANTIATE_TEST_SUITE_P(Sides, SideSetUp,
    ::testing::Values(
        SideCase{"USA", 0, {"P51 D", "P47 D", "P51 B", "P47 C", "P38 H", "P38 J", "", "", "Germany", "Britain", "EXIT"},
            false, "picplna.pic", "picplna.mnu"},
        SideCase{"Britain", 1,
            {"Typhoon", "Spitfire IX", "Spitfire 1A", "Hurricane", "Tempest", "Spitfire XIV", "", "", "Germany", "USA",
                "EXIT"},
            false, "picplnb.pic", "picplnb.mnu"},
        SideCase{"Axis", 2,
            {"Bf 109K", "Bf 109G", "FW 190A", "FW 190D", "Bf 109E", "Me 262A", "Bf 110G", "Bf 110C", "Britain", "USA",
                "EXIT"},
            true, "picplng.pic", "picplng.mnu"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SelectionWindows, FixedLengthCaptionsArePaddedBeforeWriting)
{
    child<QCheckBox>(table, "Check1")->setChecked(true);
    clickButton(table, "Command1");
    EXPECT_EQ(caption(0), QString(9, ' ') + "P51 D" + QString(10, ' '));
    EXPECT_EQ(caption(8), "Germany"); // rows 8-10 are never padded

    const auto bytes = common::readAllBytes(dir / "picplna.mnu");
    ASSERT_GT(bytes.size(), 31u + 8 + 24);
    EXPECT_EQ(bytes[31 + 4], 25); // length byte: 24 characters and the zero byte
    EXPECT_EQ(std::string(bytes.begin() + 39, bytes.begin() + 63), caption(0).toStdString());

    clickOption(1);
    setText(table, "Text7", "4");
    clickButton(table, "Command1");
    EXPECT_EQ(caption(0), "Typh");
    EXPECT_EQ(caption(5), "Spit");

    // A fixed length that would empty every caption is refused.
    setText(table, "Text7", "0");
    clickOption(0);
    std::filesystem::remove(dir / "picplna.mnu");
    clickButton(table, "Command1");
    EXPECT_FALSE(std::filesystem::exists(dir / "picplna.mnu"));
    EXPECT_TRUE(warningOf(table)->isVisibleTo(table));
    EXPECT_TRUE(warningOf(table)->text().startsWith("The fixed length \"0\" is not a whole number from 1 to 254."));
    EXPECT_EQ(caption(0), "P51 D");
}

struct LoadCase {
    const char* name;
    int lines;
    int sideBefore; // option clicked before loading
    QString warningStart;
    int sideAfter; // -1: none selected
    QStringList expectedCaptions; // rows 0-10
};

class LoadTextfile : public SelectionWindows, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadTextfile, FollowsTheLineCount)
{
    const LoadCase& c = GetParam();
    clickOption(c.sideBefore);
    fillCoordinates(6, {"1", "2", "3", "4"});
    loadTextfile("layout.txt", numberedLayoutText(c.lines));

    const auto& events = dlg->events;
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front().kind, Kind::OpenFile);
    EXPECT_EQ(events.front().title, "Select the textfile to be opened");
    EXPECT_EQ(events.front().request.filter, "Text files (*.txt)");
    EXPECT_EQ(events.front().request.directory, path("").chopped(1));

    WarningBox* box = warningOf(locator.get());
    EXPECT_EQ(box->isVisibleTo(locator.get()), !c.warningStart.isEmpty());
    if (!c.warningStart.isEmpty()) {
        EXPECT_TRUE(box->text().startsWith(c.warningStart)) << box->text().toStdString();
        QTest::mouseClick(child<QLabel>(box, "Label5"), Qt::LeftButton);
        EXPECT_FALSE(box->isVisibleTo(locator.get()));
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(child<QRadioButton>(locator.get(), indexed("Option1", i))->isChecked(), i == c.sideAfter) << i;
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(caption(i), c.expectedCaptions[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Counts, LoadTextfile,
    ::testing::Values(
        LoadCase{"ThirtyLinesIsABadFile", 30, 0, "The length of the file suggests that this is a bad text file.", 0,
            {"F0", "F1", "F2", "F3", "F4", "F5", "", "", "Germany", "Britain", "EXIT"}},
        LoadCase{"FortyFiveWithUsa", 45, 0, "", 0,
            {"F0", "F1", "F2", "F3", "F4", "F5", "", "", "F6", "F7", "F8"}},
        LoadCase{"FortyFiveWithAxis", 45, 2,
            "The length of the file suggests that this is a US or UK file.\nHowever, no appropriate radio button is "
            "selected.\nPlease select one before you try to make the mnu file.\nClick anywhere",
            -1, {"F0", "F1", "F2", "F3", "F4", "F5", "Bf 110G", "Bf 110C", "F6", "F7", "F8"}},
        LoadCase{"FiftyClearsAxisSilently", 50, 2, "", -1,
            {"F0", "F1", "F2", "F3", "F4", "F5", "Bf 110G", "Bf 110C", "F6", "F7", "F8"}},
        LoadCase{"FiftyFiveSelectsAxis", 55, 0, "", 2,
            {"Bf 109K", "Bf 109G", "FW 190A", "FW 190D", "Bf 109E", "Me 262A", "F6", "F7", "F8", "F9", "F10"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SelectionWindows, LoadTextfileSetsCoordinatesAndShowsRectangles)
{
    fillCoordinates(6, {"1", "2", "3", "4"});
    loadTextfile("layout.txt", numberedLayoutText(55));
    // Rows 0-5 keep their coordinates from the file though the side set-up
    // reset their captions.
    EXPECT_EQ(coordinates(0), QStringList({"10", "20", "30", "40"}));
    EXPECT_EQ(coordinates(6), QStringList({"16", "26", "36", "46"}));
    EXPECT_EQ(rectangle(10)->geometry(), QRect(20, 30, 40, 50));
    for (int i = 0; i < 11; ++i)
        EXPECT_FALSE(rectangle(i)->isHidden()) << i;

    // A 45-line USA file leaves rows 6-7 alone and hides their rectangles.
    clickOption(0);
    loadTextfile("usa.txt", numberedLayoutText(45));
    EXPECT_EQ(coordinates(6), QStringList({"16", "26", "36", "46"}));
    EXPECT_TRUE(rectangle(6)->isHidden());
    EXPECT_TRUE(rectangle(7)->isHidden());

    // Cancelled: nothing changes.
    clickButton(locator.get(), "Command1");
    EXPECT_EQ(caption(8), "F6");
}

TEST_F(SelectionWindows, DraggingMovesAndSizesTheRectangleInWholePixels)
{
    loadTextfile("usa.txt", numberedLayoutText(45));
    common::PictureRectangle* r = rectangle(2);
    ASSERT_EQ(r->geometry(), QRect(12, 22, 32, 42));

    pressButton(r, {5, 5}, Qt::LeftButton);
    moveWithButtons(r, {7, 5}, Qt::LeftButton); // 30 twips to the right
    EXPECT_EQ(r->geometry(), QRect(14, 22, 32, 42));
    EXPECT_EQ(coordinates(2), QStringList({"14", "22", "32", "42"}));
    moveWithButtons(r, {5, 2}, Qt::LeftButton); // grab point still at (5, 5) within it
    EXPECT_EQ(r->geometry(), QRect(14, 19, 32, 42));
    releaseButton(r, {5, 5}, Qt::LeftButton);

    pressButton(r, {10, 10}, Qt::RightButton);
    moveWithButtons(r, {80, 30}, Qt::RightButton); // 1200 x 450 twips
    EXPECT_EQ(r->geometry(), QRect(14, 19, 80, 30));
    moveWithButtons(r, {60, -4}, Qt::RightButton); // above: height stays
    EXPECT_EQ(r->geometry(), QRect(14, 19, 60, 30));
    releaseButton(r, {60, -4}, Qt::RightButton);

    // A move without a button still copies the rectangle into the table.
    setText(table, "Text3_2", "999");
    moveWithButtons(r, {3, 3}, Qt::NoButton);
    EXPECT_EQ(coordinates(2), QStringList({"14", "19", "60", "30"}));
}

struct UndoCase {
    const char* name;
    Qt::MouseButton button;
    QPointF to; // from (5, 5) within rectangle 2
    QRect moved;
    QStringList cells;
};

class RectangleUndo : public SelectionWindows, public ::testing::WithParamInterface<UndoCase> {};

TEST_P(RectangleUndo, UndoPutsTheRectangleAndItsCellsBackAndRedoRepeatsIt)
{
    const UndoCase& c = GetParam();
    loadTextfile("usa.txt", numberedLayoutText(45));
    EXPECT_EQ(shownTitle(locator.get()), "Rectangle locator — usa.txt — Menuwright");
    common::PictureRectangle* r = rectangle(2);
    pressButton(r, {5, 5}, c.button);
    moveWithButtons(r, c.to, c.button);
    releaseButton(r, c.to, c.button);
    ASSERT_EQ(r->geometry(), c.moved);
    EXPECT_EQ(coordinates(2), c.cells);
    EXPECT_EQ(shownTitle(locator.get()), "Rectangle locator — usa.txt* — Menuwright");
    EXPECT_EQ(shownTitle(table), "Aircraft Selection Screen Menu Maker — usa.txt* — Menuwright");

    child<QAction>(locator.get(), "actionUndo")->trigger();
    EXPECT_EQ(r->geometry(), QRect(12, 22, 32, 42));
    EXPECT_EQ(coordinates(2), QStringList({"12", "22", "32", "42"}));
    EXPECT_FALSE(locator->isWindowModified()); // back at the rows of the file
    EXPECT_FALSE(table->isWindowModified());

    child<QAction>(table, "actionRedo")->trigger(); // one history for both windows
    EXPECT_EQ(r->geometry(), c.moved);
    EXPECT_EQ(coordinates(2), c.cells);
    EXPECT_TRUE(locator->isWindowModified());
}

INSTANTIATE_TEST_SUITE_P(Drags, RectangleUndo,
    ::testing::Values(UndoCase{"Move", Qt::LeftButton, {9, 2}, QRect(16, 19, 32, 42), {"16", "19", "32", "42"}},
        UndoCase{"Resize", Qt::RightButton, {80, 30}, QRect(12, 22, 80, 30), {"12", "22", "80", "30"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SelectionWindows, SavingKeepsTheHistoryAndUndoWritesNothing)
{
    loadTextfile("usa.txt", numberedLayoutText(45));
    common::PictureRectangle* r = rectangle(2);
    pressButton(r, {5, 5}, Qt::LeftButton);
    moveWithButtons(r, {9, 5}, Qt::LeftButton);
    releaseButton(r, {9, 5}, Qt::LeftButton);
    dlg->files.push_back(path("saved.txt"));
    clickLabel(locator.get(), "Label8");
    EXPECT_EQ(shownTitle(locator.get()), "Rectangle locator — saved.txt — Menuwright");
    EXPECT_TRUE(locator->status->text().contains(QDir::toNativeSeparators(path("picplna.mnu"))));
    const auto menu = common::readAllBytes(dir / "picplna.mnu");
    const auto text = common::readAllText(dir / "saved.txt");

    child<QAction>(locator.get(), "actionUndo")->trigger();
    EXPECT_EQ(r->geometry(), QRect(12, 22, 32, 42));
    EXPECT_TRUE(locator->isWindowModified());
    EXPECT_EQ(common::readAllBytes(dir / "picplna.mnu"), menu);
    EXPECT_EQ(common::readAllText(dir / "saved.txt"), text);

    dlg->answers.push_back(common::Answer::Discard);
    clickButton(locator.get(), "Command2");
    EXPECT_TRUE(dlg->events.back().text.contains("aircraft selection screen"));
}

TEST_F(SelectionWindows, UndoTakesBackOnlyWhatItsStepChanged)
{
    loadTextfile("usa.txt", numberedLayoutText(45));
    QLineEdit* left = child<QLineEdit>(table, "Text3_0");
    left->selectAll();
    QTest::keyClicks(left, "77");
    QTest::keyClick(left, Qt::Key_Return);
    EXPECT_EQ(rectangle(0)->text(), "F0");
    clickOption(1); // Britain's captions are no step of their own

    child<QAction>(table, "actionUndo")->trigger();
    EXPECT_EQ(coordinates(0), QStringList({"10", "20", "30", "40"}));
    EXPECT_EQ(caption(0), "Typhoon");
    EXPECT_EQ(rectangle(0)->text(), "Typhoon");
}

// The whole load is one step, the Axis side it selects on the way
// included; the side's captions stay, as the side does.
TEST_F(SelectionWindows, UndoingALoadPutsBackEveryRowItRead)
{
    fillCoordinates(0, {"1", "2", "3", "4"});
    const QRect waiting = rectangle(0)->geometry();
    loadTextfile("axis.txt", numberedLayoutText(55));
    ASSERT_EQ(coordinates(0), QStringList({"10", "20", "30", "40"}));
    ASSERT_EQ(caption(0), "Bf 109K");

    child<QAction>(locator.get(), "actionUndo")->trigger();
    EXPECT_EQ(coordinates(0), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(coordinates(9), QStringList({"", "", "", ""}));
    EXPECT_EQ(caption(0), "Bf 109K");
    EXPECT_EQ(caption(9), "USA");
    EXPECT_EQ(rectangle(0)->geometry(), waiting);
    EXPECT_TRUE(locator->isWindowModified());
}

TEST_F(SelectionWindows, PictureNameAndFixedLengthAreStepsToo)
{
    QLineEdit* picture = child<QLineEdit>(table, "Text1");
    picture->selectAll();
    QTest::keyClicks(picture, "mine.pic");
    QTest::keyClick(picture, Qt::Key_Return);
    QCheckBox* fixed = child<QCheckBox>(table, "Check1");
    QTest::mouseClick(fixed, Qt::LeftButton, {}, QPoint(8, fixed->height() / 2));
    ASSERT_TRUE(fixed->isChecked());

    QAction* undo = child<QAction>(table, "actionUndo");
    undo->trigger();
    EXPECT_FALSE(fixed->isChecked());
    EXPECT_EQ(picture->text(), "mine.pic");
    undo->trigger();
    EXPECT_EQ(picture->text(), "picplna.pic");
    EXPECT_FALSE(table->isWindowModified());
}

TEST_F(SelectionWindows, TheTextfileDialogStartsInTheFolderUsedLastRun)
{
    std::filesystem::create_directory(dir / "layouts");
    common::writeAllText(dir / "layouts" / "usa.txt", numberedLayoutText(45));
    dlg->files.push_back(path("layouts/usa.txt"));
    clickButton(locator.get(), "Command1");

    const auto nextRun = startMenuwright({});
    dlg->files.push_back(std::nullopt);
    clickButton(nextRun.get(), "Command1");
    EXPECT_EQ(dlg->events.back().request.directory, path("layouts"));
}

TEST_F(SelectionWindows, ClickSelectsARowAndTheCaptionBoxRenamesIt)
{
    loadTextfile("usa.txt", numberedLayoutText(45));
    QTest::mouseClick(rectangle(4), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(module.selectedRow, 4);
    EXPECT_EQ(child<QLabel>(locator.get(), "Label3")->text(), "4");
    EXPECT_EQ(text(locator.get(), "Text1"), "F4");

    QTest::keyClicks(child<QLineEdit>(locator.get(), "Text1"), "x");
    EXPECT_EQ(caption(4), "F4x");
    EXPECT_EQ(rectangle(4)->text(), "F4x");
}

TEST_F(SelectionWindows, NonSelectableRowIsWrittenWithABlankAndZeros)
{
    loadTextfile("usa.txt", numberedLayoutText(45));
    QTest::mouseClick(rectangle(3), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(child<common::ClickLabel>(locator.get(), "Label4"), Qt::LeftButton);
    EXPECT_TRUE(rectangle(3)->isHidden());
    EXPECT_EQ(rectangle(3)->geometry(), QRect(0, 0, 0, 0));
    EXPECT_EQ(coordinates(3), QStringList({"0", "0", "0", "0"}));
    EXPECT_EQ(caption(3), " ");
    EXPECT_EQ(text(locator.get(), "Text1"), " ");

    dlg->files.push_back(path("complete.txt"));
    clickLabel(locator.get(), "Label8");
    const auto lines = this->lines("complete.txt");
    ASSERT_EQ(lines.size(), 45u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 15, lines.begin() + 20),
        (std::vector<std::string>{" ", "0", "0", "0", "0"}));

    const auto bytes = common::readAllBytes(dir / "picplna.mnu");
    // Entries 0-2 have captions of two characters ("F0".."F2"): 22 bytes each.
    const std::size_t entry3 = 31 + 3 * 22;
    ASSERT_GT(bytes.size(), entry3 + 21);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + entry3, bytes.begin() + entry3 + 21),
        (std::vector<std::uint8_t>{0, 6, 4, 0, 2, 0, 0, 0, 0x20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
}

TEST_F(SelectionWindows, BothMakeCommandsWriteTheMenuFileAndTheirTextVariant)
{
    // Rows 6-7 filled while Axis, then back to USA.
    clickOption(2);
    loadTextfile("axis.txt", numberedLayoutText(55));
    clickOption(0);

    dlg->files.push_back(path("table.txt"));
    clickButton(table, "Command1");
    const auto saveRequest = dlg->events.back();
    EXPECT_EQ(saveRequest.kind, Kind::SaveFile);
    EXPECT_EQ(saveRequest.title, "Enter the name of the textfile to be saved");
    EXPECT_EQ(saveRequest.request.presetName, path("axis.txt")); // the last name used in the dialog
    EXPECT_EQ(lines("table.txt").size(), 55u);              // non-empty fields of all eleven rows

    SelectionLayout expected = table->layout(Side::USA);
    EXPECT_EQ(common::readAllBytes(dir / "picplna.mnu"), buildSelectionFile(expected));
    EXPECT_EQ(common::readAllBytes(dir / "picplna.mnu")[26], 9);

    dlg->files.push_back(path("complete.txt"));
    clickLabel(locator.get(), "Label8");
    EXPECT_EQ(lines("complete.txt").size(), 45u);

    clickOption(2);
    dlg->files.push_back(path("axis-out.txt"));
    clickLabel(locator.get(), "Label8");
    EXPECT_EQ(lines("axis-out.txt").size(), 55u);
    const auto axis = common::readAllBytes(dir / "picplng.mnu");
    EXPECT_EQ(axis, buildSelectionFile(table->layout(Side::Axis)));
    EXPECT_EQ(axis[26], 11);

    // An empty field leaves no line in the table's variant.
    setText(table, "Text3_0", "");
    dlg->files.push_back(path("short.txt"));
    clickButton(table, "Command1");
    EXPECT_EQ(lines("short.txt").size(), 54u);

    // Cancelling the save dialog still leaves the menu file written.
    std::filesystem::remove(dir / "picplng.mnu");
    clickButton(table, "Command1");
    EXPECT_TRUE(std::filesystem::exists(dir / "picplng.mnu"));
}

TEST_F(SelectionWindows, UnwritableRowIsRefusedWhole)
{
    loadTextfile("usa.txt", numberedLayoutText(45));
    dlg->files.push_back(path("first.txt"));
    clickLabel(locator.get(), "Label8");
    const auto before = common::readAllBytes(dir / "picplna.mnu");

    common::PictureRectangle* r = rectangle(9);
    pressButton(r, {0, 0}, Qt::LeftButton);
    moveWithButtons(r, {-40, 0}, Qt::LeftButton); // dragged off the picture's left edge
    EXPECT_EQ(coordinates(9)[0], "-23");
    const std::size_t eventsBefore = dlg->events.size();
    clickLabel(locator.get(), "Label8");

    EXPECT_EQ(common::readAllBytes(dir / "picplna.mnu"), before);
    EXPECT_EQ(dlg->events.size(), eventsBefore); // no save dialog either
    EXPECT_EQ(warningOf(locator.get())->text(),
        "Row 9, L: \"-23\" is not a coordinate from 0 to 65535.\nNothing was written.\n"
        "Click anywhere in this box to close this warning!");
}

enum class Protection { Folder, ReadOnlyFile };

class WriteProtectedTargets : public SelectionWindows, public ::testing::WithParamInterface<Protection> {
protected:
    // Puts a target in the way that cannot be written: a folder of that
    // name, or a write-protected file.
    void protect(const std::string& name)
    {
        if (GetParam() == Protection::Folder) {
            std::filesystem::create_directory(dir / name);
            return;
        }
        common::writeAllText(dir / name, "old");
        std::filesystem::permissions(dir / name, std::filesystem::perms::owner_read);
    }
};

TEST_P(WriteProtectedTargets, AreRefusedNamingTheFile)
{
    const QString click = QStringLiteral("\nClick anywhere in this box to close this warning!");
    protect("picplna.mnu");
    clickLabel(locator.get(), "Label8");
    EXPECT_EQ(warningOf(locator.get())->text(),
        "Cannot write " + QDir::toNativeSeparators(path("picplna.mnu")) + ": File access denied" + click);

    std::filesystem::remove_all(dir / "picplna.mnu");
    protect("locked.txt");
    dlg->files.push_back(path("locked.txt"));
    clickLabel(locator.get(), "Label8");
    EXPECT_EQ(warningOf(locator.get())->text(), "Cannot write " + QDir::toNativeSeparators(path("locked.txt")) +
            ": File access denied\npicplna.mnu was written; the text file was not." + click);

    protect("hangarus.mnu");
    HangarTableWindow& hangar = module.ph1();
    hangar.makeHangarFiles();
    EXPECT_EQ(warningOf(&hangar)->text(),
        "Cannot write " + QDir::toNativeSeparators(path("hangarus.mnu")) + ": File access denied" + click);
}

INSTANTIATE_TEST_SUITE_P(Kinds, WriteProtectedTargets, ::testing::Values(Protection::Folder, Protection::ReadOnlyFile),
    [](const auto& info) { return info.param == Protection::Folder ? "Folder" : "ReadOnlyFile"; });

TEST_F(SelectionWindows, MakingFilesWithoutASideIsRefused)
{
    clickOption(2);
    loadTextfile("fifty.txt", numberedLayoutText(50)); // leaves no side selected
    clickLabel(locator.get(), "Label8");
    clickButton(table, "Command1");
    EXPECT_FALSE(std::filesystem::exists(dir / "picplng.mnu"));
    EXPECT_FALSE(std::filesystem::exists(dir / "picplna.mnu"));
    EXPECT_TRUE(warningOf(table)->text().startsWith("No side is selected"));
}

TEST_F(SelectionWindows, LoadSettingsFillsTheTableWithoutCountingLines)
{
    clickOption(2);
    common::writeAllText(dir / "axis.txt", numberedLayoutText(55));
    dlg->files.push_back(path("axis.txt"));
    clickButton(table, "Command3");
    EXPECT_EQ(caption(0), "F0"); // the side stays, so no captions are reset
    EXPECT_EQ(caption(7), "F7");
    EXPECT_EQ(caption(10), "F10");
    EXPECT_EQ(rectangle(7)->geometry(), QRect(17, 27, 37, 47));
    EXPECT_FALSE(rectangle(7)->isHidden());
    EXPECT_TRUE(rectangle(0)->isHidden()); // visibility of rows 0-5 unchanged

    // "Show Screen" copies the shown rectangles back into the table.
    setText(table, "Text3_7", "");
    setText(table, "Text3_0", "keep");
    clickButton(table, "Command5");
    EXPECT_EQ(text(table, "Text3_7"), "17");
    EXPECT_EQ(text(table, "Text3_0"), "keep");
}

TEST_F(SelectionWindows, PicturesOfAllThreeFormatsLoadAndABadOneIsRefused)
{
    demogen::writeMenuDemo(dir.path());
    common::writeAllText(dir / "broken.bmp", "not a picture");
    auto* files = child<FileList>(locator.get(), "File1");
    files->refresh();
    EXPECT_EQ(files->count(), 5); // three screens, the hangar and the broken one

    for (const char* name : {demogen::kDemoUsaPicture, demogen::kDemoBritainPicture, demogen::kDemoAxisPicture}) {
        ASSERT_TRUE(files->chooseFile(QString::fromLatin1(name))) << name;
        EXPECT_EQ(locator->Picture1->picture().size(), QSize(640, 480)) << name;
        EXPECT_EQ(child<QLabel>(locator.get(), "Label1")->text(), name);
    }
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(rectangle(i)->isHidden(), i == 6 || i == 7) << i;

    const qint64 before = locator->Picture1->picture().cacheKey();
    files->chooseFile(QStringLiteral("broken.bmp"));
    EXPECT_EQ(locator->Picture1->picture().cacheKey(), before);
    EXPECT_TRUE(warningOf(locator.get())->text().startsWith("The picture broken.bmp cannot be shown"));
    EXPECT_EQ(child<QLabel>(locator.get(), "Label1")->text(), demogen::kDemoAxisPicture);
}

TEST_F(SelectionWindows, WindowsNameTheProgramAndTheSidesAlike)
{
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Menuwright");
    HangarTableWindow& hangar = module.ph1();
    // Placed only once shown, when its frame is known.
    EXPECT_FALSE(hangar.testAttribute(Qt::WA_Moved));
    module.showHangars();
    EXPECT_EQ(hangar.frameGeometry().topLeft(), hangar.screen()->availableGeometry().topLeft() + QPoint(3, 3));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(child<QRadioButton>(&hangar, indexed("Option1", i))->text(),
            child<QRadioButton>(locator.get(), indexed("Option1", i))->text());
}

TEST_F(SelectionWindows, CommandLabelsFollowADarkPalette)
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(32, 32, 32));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(48, 48, 48));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    const QPalette before = QApplication::palette();
    QApplication::setPalette(dark);
    QApplication::processEvents(); // the change reaches the widgets as posted events
    for (const char* name : {"Label4", "Label8", "Label7"}) {
        const QPalette shown = child<common::ClickLabel>(locator.get(), QString::fromLatin1(name))->palette();
        EXPECT_GT(shown.color(QPalette::WindowText).lightness() - shown.color(QPalette::Window).lightness(), 100) << name;
    }
    QApplication::setPalette(before);
}

TEST_F(SelectionWindows, ExitAsksBeforeDroppingDraggedRectangles)
{
    loadTextfile("usa.txt", numberedLayoutText(45));
    common::PictureRectangle* r = rectangle(2);
    pressButton(r, {5, 5}, Qt::LeftButton);
    moveWithButtons(r, {9, 5}, Qt::LeftButton);
    releaseButton(r, {9, 5}, Qt::LeftButton);

    dlg->answers.push_back(common::Answer::Cancel);
    clickButton(locator.get(), "Command2");
    const QString asked = dlg->events.back().text;
    EXPECT_TRUE(asked.contains("aircraft selection screen")) << asked.toStdString();
    EXPECT_FALSE(module.ending());
    EXPECT_TRUE(locator->isVisible());

    // Save from the close box: both files are written, then the program ends.
    dlg->answers.push_back(common::Answer::Save);
    dlg->files.push_back(path("saved.txt"));
    locator->close();
    EXPECT_TRUE(module.ending());
    ASSERT_EQ(lines("saved.txt").size(), 45u);
    EXPECT_EQ(lines("saved.txt")[11], "16");
    EXPECT_TRUE(std::filesystem::exists(dir / "picplna.mnu"));
}

TEST_F(SelectionWindows, WindowsSwitchAndExitEndsThemAll)
{
    clickLabel(locator.get(), "Label7");
    EXPECT_TRUE(table->isVisible());
    clickButton(locator.get(), "Command4");
    EXPECT_FALSE(table->isVisible());
    EXPECT_FALSE(locator->isVisible());
    ASSERT_TRUE(module.hangarWindowLoaded());
    EXPECT_TRUE(module.ph1().isVisible());
    clickButton(&module.ph1(), "Command3");
    EXPECT_TRUE(locator->isVisible());
    EXPECT_FALSE(module.ph1().isVisible());

    clickButton(table, "Command2");
    EXPECT_TRUE(module.ending());
    EXPECT_FALSE(locator->isVisible());
    EXPECT_FALSE(table->isVisible());
    EXPECT_FALSE(module.ph1().isVisible());
}

// A screen reader hears each control by its label, and no two alike.
TEST_F(SelectionWindows, EveryControlHasTheAccessibleNameOfItsLabel)
{
    for (QWidget* w : std::initializer_list<QWidget*>{locator.get(), table}) {
        common::nameControlsByLabels(*w);
        EXPECT_EQ(common::accessibleNameFaults(*w).join("\n").toStdString(), "") << w->objectName().toStdString();
    }
}

} // namespace
} // namespace menuwright::testing
