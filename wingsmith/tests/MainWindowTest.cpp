// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoGame.h"

#include "ui/AboutBox.h"
#include "ui/GameFolderDialog.h"
#include "ui/MainWindow.h"
#include "ui/StringGrid.h"

#include "common/testing/AccessibleNameCheck.h"
#include "ui/UpDown.h"

#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/NumberFormat.h"
#include "wingsmith/tests/AircraftFields.h"

#include "common/ui/RememberedFolder.h"
#include "common/core/RunBackups.h"
#include "common/core/LittleEndian.h"
#include "common/testing/ScriptedDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QApplication>
#include <QStyle>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <chrono>

#include <map>

namespace wingsmith {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using common::Answer;
using test::bitsOf;
using test::floatOf;
using test::intOf;
using test::stabilityName;
using testing::DemoGame;

std::map<std::string, Bytes> snapshot(const fs::path& dir)
{
    std::map<std::string, Bytes> files;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.is_regular_file())
            files[e.path().filename().string()] = common::readAllBytes(e.path());
    return files;
}

// A demo installation, a settings file naming it, scripted dialogs and the
// main window, created as the program creates it.
class MainWindowTest : public ::testing::Test {
protected:
    DemoGame game;
    common::TempDir config;
    common::ScopedScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> form;

    // The dialogs' remembered folders go to the test's own folder.
    MainWindowTest()
    {
        for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, QString::fromStdString((config / "qt").string()));
    }

    Settings settings() const { return Settings(config / "Wingsmith.ini"); }

    void open()
    {
        settings().setResourcePath(game.path());
        form = std::make_unique<MainWindow>(settings());
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename T>
    T* child(const QString& name) const
    {
        T* w = form->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    StringGrid* grid(int n) const { return child<StringGrid>(QString("StringGrid%1").arg(n)); }
    const AircraftValues& working(int p) const { return form->workspace().working[static_cast<std::size_t>(p)]; }

    // Types into a cell the way a user does: the grid has the focus.
    void typeIntoGrid(int n, int row, int column, const QString& text)
    {
        grid(n)->setFocus();
        grid(n)->typeCell(row, column, text);
    }

    void leaveTo(QWidget* w) { w->setFocus(); }

    // Creates planes.dat and the loose files as the first start would, so a
    // test can doctor them before the window opens.
    void extract()
    {
        extractGunTable(game.path());
        Workspace().extractFltFiles(game.path());
    }

    // planes.dat with the first aircraft's first gun group of `caliber`.
    Bytes withFirstCaliber(std::int16_t caliber)
    {
        extract();
        Bytes planes = common::readAllBytes(game / "planes.dat");
        common::le::putI16(planes, 92 + 4, caliber);
        common::writeAllBytes(game / "planes.dat", planes);
        return planes;
    }

    void showPage(const QString& sheet)
    {
        auto* pages = child<QTabWidget>("PageControl1");
        pages->setCurrentWidget(child<QWidget>(sheet));
    }

    void pick(int position) { child<QListWidget>("ListBox1")->setCurrentRow(position); }

    void closeWindow()
    {
        form->close();
        QApplication::processEvents();
    }
};

TEST_F(MainWindowTest, StartUpLoadsAllThirtyAircraftAndShowsTheFirst)
{
    open();
    EXPECT_TRUE(dialogs->events.empty());
    auto* list = child<QListWidget>("ListBox1");
    ASSERT_EQ(list->count(), 30);
    EXPECT_EQ(list->item(15)->text(), "Mosquito");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(form->windowTitle(),
        QDir::toNativeSeparators(QString::fromStdString(game.path()))
            + "[*] — Aircraft Flight Model Editor — Wingsmith");
    EXPECT_EQ(child<QTabWidget>("PageControl1")->currentWidget()->objectName(), "TabSheet1");
    showPage("TabSheet4");
    EXPECT_EQ(child<QTabWidget>("PageControl2")->tabText(1), "P38H.FLT");
    EXPECT_EQ(grid(1)->cellText(0, 0).toStdString(), formatGeneral(floatOf(working(0), stabilityName(0))));
    EXPECT_EQ(child<QLineEdit>("Edit1")->text(), "2");
    EXPECT_EQ(child<QComboBox>("ComboBox2")->currentText(), "3 blades");
    EXPECT_TRUE(child<QCheckBox>("CheckBox10")->isChecked()); // American
    // Loading and showing changed nothing.
    form->Comparevalues();
    EXPECT_FALSE(form->workspace().anyChanged());
    EXPECT_EQ(intOf(working(29), "typeFlags1") & 0x40, 0x40);
}

TEST_F(MainWindowTest, AFirstStartAsksForTheGameFolderAndRemembersIt)
{
    dialogs->modals.push_back([this](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Wingsmith");
        static_cast<GameFolderDialog&>(d).setDirectory(QString::fromStdString(game.path()));
        d.findChild<QPushButton*>("Button1")->click();
        return d.result();
    });
    form = std::make_unique<MainWindow>(settings());
    ASSERT_EQ(dialogs->events.size(), 1u);
    EXPECT_EQ(dialogs->events[0].kind, common::ScriptedDialogs::Kind::Modal);
    EXPECT_EQ(fs::path(settings().resourcePath()), game.dir.path());
    EXPECT_EQ(intOf(working(24), "engineType"), 1);
}

TEST_F(MainWindowTest, ABadCellCommitsTheRowsAboveItAndKeepsTheRest)
{
    open();
    const AircraftValues before = working(0);
    for (int r : {0, 1, 2})
        typeIntoGrid(2, r, 0, QString::number(r + 10));
    typeIntoGrid(2, 3, 0, "abc");
    typeIntoGrid(2, 5, 0, "99");
    leaveTo(child<QListWidget>("ListBox1"));

    EXPECT_EQ(dialogs->texts(), QStringList{"'abc' is not a valid floating point value"});
    EXPECT_EQ(floatOf(working(0), stabilityName(5)), 10.0f);
    EXPECT_EQ(floatOf(working(0), stabilityName(6)), 11.0f);
    EXPECT_EQ(floatOf(working(0), stabilityName(7)), 12.0f);
    for (std::size_t i = 8; i < 13; ++i)
        EXPECT_EQ(floatOf(working(0), stabilityName(i)), floatOf(before, stabilityName(i))) << "stability " << i + 1;
    EXPECT_EQ(grid(2)->cellText(3, 0), "abc");
}

TEST_F(MainWindowTest, AValueTypedBackToItsOldTextLeavesTheAircraftUnchanged)
{
    open();
    const QString old = grid(1)->cellText(2, 0);
    typeIntoGrid(1, 2, 0, "123.5");
    leaveTo(child<QListWidget>("ListBox1"));
    form->Comparevalues();
    EXPECT_TRUE(form->workspace().fltChanged[0]);
    typeIntoGrid(1, 2, 0, old);
    leaveTo(child<QListWidget>("ListBox1"));
    form->Comparevalues();
    EXPECT_FALSE(form->workspace().anyChanged());
}

TEST_F(MainWindowTest, LeavingAnUntouchedGridKeepsDigitsTheDisplayDoesNotShow)
{
    // A control value with more digits than its fixed 4-decimal display.
    extract();
    Bytes record = common::readAllBytes(game / "P38H.FLT");
    common::le::putF32(record, FltRecord::kControlSurfaces, 0.123456789f);
    common::writeAllBytes(game / "P38H.FLT", record);
    open();
    showPage("TabSheet3");
    EXPECT_EQ(grid(7)->cellText(0, 0), "0.1235");
    grid(7)->setFocus();
    typeIntoGrid(7, 1, 0, grid(7)->cellText(1, 0)); // touched, same text
    leaveTo(child<QListWidget>("ListBox1"));
    form->Comparevalues();
    EXPECT_FALSE(form->workspace().anyChanged());
    EXPECT_EQ(floatOf(working(0), "throttleMaximum"), 0.123456789f);
}

TEST_F(MainWindowTest, CtrlZTakesBackACommittedCellInTheAircraftItBelongsToAndCtrlShiftZRedoesIt)
{
    open();
    const auto before = snapshot(game.dir.path());
    const float old = floatOf(working(0), stabilityName(1));
    const QString oldText = grid(1)->cellText(1, 0);
    typeIntoGrid(1, 1, 0, "123.5");
    leaveTo(child<QListWidget>("ListBox1"));
    EXPECT_TRUE(form->isWindowModified());
    pick(5);
    auto keys
        = [](QKeyCombination key) { QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers()); };

    keys(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(form->shownPosition(), 0);
    EXPECT_EQ(floatOf(working(0), stabilityName(1)), old);
    EXPECT_EQ(grid(1)->cellText(1, 0), oldText);
    EXPECT_FALSE(form->isWindowModified());

    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(floatOf(working(0), stabilityName(1)), 123.5f);
    EXPECT_EQ(grid(1)->cellText(1, 0), "123.5");
    EXPECT_TRUE(form->isWindowModified());

    keys(Qt::CTRL | Qt::Key_Z);
    keys(Qt::CTRL | Qt::Key_Q);
    EXPECT_TRUE(dialogs->events.empty()); // unchanged again: no exit question
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(snapshot(game.dir.path()), before);
}

TEST_F(MainWindowTest, ASaveKeepsItsStepsAndNamesTheFilesWritten)
{
    open();
    auto* altitude = child<QLineEdit>("Edit2");
    const float old = floatOf(working(0), "engineBestAltitude");
    altitude->setFocus();
    altitude->selectAll();
    QTest::keyClicks(altitude, "2500");
    leaveTo(child<QListWidget>("ListBox1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(form->isWindowModified());
    EXPECT_EQ(form->statusBar()->currentMessage(),
        "Saved P38H.FLT in " + QDir::toNativeSeparators(QString::fromStdString(game.path())));

    // The four keystrokes were one step; undoing it after the save is a change again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(floatOf(working(0), "engineBestAltitude"), old);
    EXPECT_TRUE(form->isWindowModified());
    EXPECT_EQ(common::le::getF32(common::readAllBytes(game / "P38H.FLT"), FltRecord::kEngineBestAltitude), 2500.0f);

    // A failed save leaves no earlier "Saved ..." standing.
    fs::remove(game / "P38H.FLT");
    form->BitBtn1Click();
    EXPECT_EQ(dialogs->texts(), QStringList{"P38H.FLT: File not found"});
    EXPECT_EQ(form->statusBar()->currentMessage(), "");
}

TEST_F(MainWindowTest, TheUnknownRowsSayWhatTheyAre)
{
    open();
    showPage("TabSheet8");
    showPage("TabSheet3");
    QStringList tips{child<QLineEdit>("Edit3")->toolTip(), child<QLineEdit>("Edit4")->toolTip(),
        grid(17)->verticalHeaderItem(0)->toolTip(), grid(17)->item(0, 0)->toolTip()};
    for (int r = 2; r < 8; ++r)
        tips << grid(9)->verticalHeaderItem(r)->toolTip();
    for (const QString& tip : tips)
        EXPECT_TRUE(tip.contains("keeps it as it is")) << tip.toStdString();
    EXPECT_EQ(grid(9)->verticalHeaderItem(1)->toolTip(), ""); // "Mass of fuel " is not unknown
}

TEST_F(MainWindowTest, TheDirectoryWindowOpensAtTheFolderLastPickedAndRemembersTheNextOutsideWingsmithIni)
{
    common::TempDir earlier;
    common::rememberFolder("Wingsmith", "GameFolder", QString::fromStdString(earlier.path().string()));
    dialogs->modals.push_back([&](QDialog& d) {
        auto& folders = static_cast<GameFolderDialog&>(d);
        EXPECT_EQ(fs::path(folders.selectedDirectory().toStdString()), earlier.path());
        folders.setDirectory(QString::fromStdString(game.path()));
        d.findChild<QPushButton*>("Button1")->click();
        return d.result();
    });
    form = std::make_unique<MainWindow>(settings());
    EXPECT_EQ(
        fs::path(common::rememberedFolder("Wingsmith", "GameFolder", {}).toStdString()),
        game.dir.path());
    const Bytes ini = common::readAllBytes(config / "Wingsmith.ini");
    EXPECT_EQ(std::string(ini.begin(), ini.end()).find("GameFolder"), std::string::npos);
}

TEST_F(MainWindowTest, ATickedBoxIsCommittedByTheSave)
{
    open();
    showPage("TabSheet7");
    auto* armor = child<QCheckBox>("CheckBox27");
    ASSERT_TRUE(armor->isChecked()); // the P-38H has armor; take it away
    armor->setFocus();
    armor->click();
    ASSERT_FALSE(armor->isChecked());
    child<QPushButton>("BitBtn1")->click();
    const Bytes planes = common::readAllBytes(game / "planes.dat");
    EXPECT_EQ(planes[8 + 3] & 0x10, 0);
    EXPECT_TRUE(dialogs->events.empty());
}

TEST_F(MainWindowTest, HitPointsKeepTheirLowEightBitsAndArrowsStayInRange)
{
    open();
    showPage("TabSheet8");
    auto* edit = child<QLineEdit>("Edit18");
    edit->setText("300");
    EXPECT_EQ(intOf(working(0), "hitPoints.fuselageMechanics"), 44);
    auto* arrows = child<UpDown>("UpDown15");
    arrows->clickUp();
    EXPECT_EQ(edit->text(), "255");
    EXPECT_EQ(intOf(working(0), "hitPoints.fuselageMechanics"), 255);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    leaveTo(child<QListWidget>("ListBox1"));
    EXPECT_EQ(dialogs->texts(), QStringList{"'' is not a valid integer value"});
}

TEST_F(MainWindowTest, EngineFieldsReportAnUnreadableTextOnceWhenLeftAndNeverWhatTheyShow)
{
    extract();
    Bytes record = common::readAllBytes(game / "P38H.FLT");
    common::le::putU32(record, FltRecord::kEngineUnknown1, 0x7FC00000); // NaN
    common::writeAllBytes(game / "P38H.FLT", record);
    open();
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), "NAN");
    auto* altitude = child<QLineEdit>("Edit2");
    altitude->setFocus();
    altitude->selectAll();
    QTest::keyClicks(altitude, "-5");
    EXPECT_EQ(floatOf(working(0), "engineBestAltitude"), -5.0f); // stored as soon as it reads
    QTest::keyClicks(altitude, "x");
    QTest::keyClick(altitude, Qt::Key_Backspace);
    QTest::keyClick(altitude, Qt::Key_Backspace);
    EXPECT_TRUE(dialogs->texts().isEmpty()); // "-" is half-typed, not yet an error
    QTest::keyClicks(altitude, "abc");
    QTest::keyClick(altitude, Qt::Key_Return);
    leaveTo(child<QListWidget>("ListBox1"));
    EXPECT_EQ(dialogs->texts(), QStringList{"'-abc' is not a valid floating point value"});
    EXPECT_EQ(floatOf(working(0), "engineBestAltitude"), -5.0f);
}

TEST_F(MainWindowTest, AStartUpThatEndedEarlyTakesNoEditsUntilAnAircraftIsPicked)
{
    extract();
    std::vector<std::uint8_t> noise(1000);
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<std::uint8_t>(i * 131 + 7);
    common::writeAllBytes(game / "V1V1.FLT", noise);
    const Bytes p38h = common::readAllBytes(game / "P38H.FLT");
    open();
    EXPECT_EQ(dialogs->texts(), QStringList{"Read beyond end of file"});
    EXPECT_EQ(form->shownPosition(), -1);
    auto* altitude = child<QLineEdit>("Edit2");
    EXPECT_FALSE(altitude->isEnabled());
    altitude->setText("5");
    dialogs->answers = {Answer::Yes};
    closeWindow();
    EXPECT_EQ(dialogs->texts().size(), 1); // nothing changed, so no question
    EXPECT_EQ(common::readAllBytes(game / "P38H.FLT"), p38h);
}

TEST_F(MainWindowTest, ASaveIntoAFileTooShortForItsFieldsNamesItAndLeavesItAlone)
{
    open();
    pick(29);
    child<UpDown>("UpDown1")->clickUp();
    fs::resize_file(game / "V1V1.FLT", 600);
    // Cut short by another program: overwriting it is asked first.
    dialogs->answers.push_back(common::Answer::Overwrite);
    form->BitBtn1Click();
    ASSERT_EQ(dialogs->texts().size(), 2u);
    EXPECT_TRUE(dialogs->texts()[1].startsWith("V1V1.FLT is 600 bytes long")) << dialogs->texts()[1].toStdString();
    EXPECT_EQ(fs::file_size(game / "V1V1.FLT"), 600u);
}

TEST_F(MainWindowTest, RaisingTheGroupCountShowsTheNextRowAndMarksTheGunTable)
{
    open();
    showPage("TabSheet4");
    pick(5); // P-51D: two groups
    ASSERT_EQ(working(5).planes.gunGroupCount(), 2);
    EXPECT_TRUE(child<QLabel>("Label60")->isHidden());
    EXPECT_TRUE(grid(12)->isHidden());
    EXPECT_FALSE(child<UpDown>("UpDown7")->isEnabled());
    child<UpDown>("UpDown2")->clickUp();
    EXPECT_EQ(working(5).planes.gunGroupCount(), 3);
    EXPECT_FALSE(child<QLabel>("Label60")->isHidden());
    EXPECT_FALSE(child<QComboBox>("ComboBox12")->isHidden());
    EXPECT_FALSE(grid(12)->isHidden());
    EXPECT_TRUE(grid(13)->isHidden());
    EXPECT_TRUE(child<UpDown>("UpDown7")->isEnabled());
    // Row 3 shows what group 3 held all along.
    EXPECT_EQ(child<QLineEdit>("Edit11")->text().toInt(), intOf(working(5), "gun3.ammo"));
    form->Comparevalues();
    EXPECT_TRUE(form->workspace().planesChanged[5]);
    EXPECT_FALSE(form->workspace().fltChanged[5]);
}

TEST_F(MainWindowTest, TheLowerArrowOfTheEngineCountAtTwoStoresOne)
{
    open();
    ASSERT_EQ(child<QLineEdit>("Edit1")->text(), "2");
    child<UpDown>("UpDown1")->clickDown();
    EXPECT_EQ(intOf(working(0), "engineCount"), 1);
    // Typing into the field stores nothing.
    child<QLineEdit>("Edit1")->setText("3");
    EXPECT_EQ(intOf(working(0), "engineCount"), 1);
}

TEST_F(MainWindowTest, AnEditLandsInTheAircraftShownWhenAnotherIsPicked)
{
    open();
    const float other = floatOf(working(5), stabilityName(0));
    typeIntoGrid(1, 0, 0, "42");
    auto* list = child<QListWidget>("ListBox1");
    list->setFocus();
    pick(5);
    EXPECT_EQ(floatOf(working(0), stabilityName(0)), 42.0f);
    EXPECT_EQ(floatOf(working(5), stabilityName(0)), other);
    // The gun page, first shown now, shows the aircraft picked.
    showPage("TabSheet4");
    EXPECT_EQ(child<QTabWidget>("PageControl2")->tabText(1), "P51D.FLT");
}

TEST_F(MainWindowTest, APageFirstShownLateShowsTheAircraftPickedAndTakesUndo)
{
    open();
    pick(6);
    showPage("TabSheet8");
    auto* edit = child<QLineEdit>("Edit18");
    EXPECT_EQ(edit->text().toInt(), intOf(working(6), "hitPoints.fuselageMechanics"));
    EXPECT_EQ(grid(17)->cellText(1, 0).toInt(), intOf(working(6), "collisionRadius"));
    form->Comparevalues();
    EXPECT_FALSE(form->workspace().anyChanged());
    const auto old = intOf(working(6), "hitPoints.fuselageMechanics");
    edit->setFocus();
    edit->setText(QString::number((old + 1) % 256));
    leaveTo(child<QListWidget>("ListBox1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(intOf(working(6), "hitPoints.fuselageMechanics"), old);
    EXPECT_EQ(edit->text().toInt(), old);
}

TEST_F(MainWindowTest, ChoicesInListsCommitAtOnce)
{
    open();
    showPage("TabSheet4");
    auto* caliber = child<QComboBox>("ComboBox5");
    caliber->setCurrentIndex(3);
    emit caliber->activated(3);
    EXPECT_EQ(intOf(working(0), "gun1.caliber"), 24);
    auto* blades = child<QComboBox>("ComboBox2");
    emit blades->activated(2);
    EXPECT_EQ(bitsOf(working(0), "propellerFactor"), 0x3BF21709u);
    emit child<QComboBox>("ComboBox3")->activated(1);
    EXPECT_EQ(bitsOf(working(0), "torqueMultiplier"), 0x41CCCCCDu);
}

TEST_F(MainWindowTest, AnUnknownCaliberShowsNoItemAndKeepsItsCode)
{
    withFirstCaliber(8);
    open();
    showPage("TabSheet4");
    EXPECT_EQ(child<QComboBox>("ComboBox5")->currentIndex(), -1);
    EXPECT_EQ(intOf(working(0), "gun1.caliber"), 8);
    form->Comparevalues();
    EXPECT_FALSE(form->workspace().anyChanged());
}

// A code the game does not know is named in the status line while the
// aircraft holding it is shown, until a choice mends it; undo brings it back.
TEST_F(MainWindowTest, AValueTheGameDoesNotKnowIsNamedInTheStatusLineUntilMended)
{
    const Bytes planes = withFirstCaliber(8);
    open();
    auto* warning = child<QLabel>("DomainWarning");
    const auto caption = QString::fromLatin1(rosterByPosition(0).caption.data());
    const auto shown = [&] { return warning->isVisible() ? warning->text() : QString(); };
    const QString expected = caption + ": gun1.caliber is 8, expected one of 2, 4, 12, 24";
    EXPECT_EQ(shown(), expected);

    pick(1);
    EXPECT_EQ(shown(), QString());
    pick(0);
    EXPECT_EQ(shown(), expected);

    showPage("TabSheet4");
    auto* caliber = child<QComboBox>("ComboBox5");
    caliber->setCurrentIndex(1);
    emit caliber->activated(1);
    EXPECT_EQ(shown(), QString());
    QTest::keyClick(
        QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shown(), expected);
    EXPECT_EQ(common::readAllBytes(game / "planes.dat"), planes) << "a warning never changes a byte";
}

TEST_F(MainWindowTest, EngineFieldsKeepOnlyThePrecisionShown)
{
    extract();
    Bytes record = common::readAllBytes(game / "P38J.FLT");
    common::le::putF32(record, FltRecord::kEngineBestAltitude, 1500.75f);
    common::writeAllBytes(game / "P38J.FLT", record);
    open();
    pick(1);
    EXPECT_EQ(child<QLineEdit>("Edit2")->text(), "1501");
    EXPECT_EQ(floatOf(working(1), "engineBestAltitude"), 1501.0f);
    form->Comparevalues();
    EXPECT_TRUE(form->workspace().fltChanged[1]);
}

TEST_F(MainWindowTest, SaveWithNothingChangedWritesNothing)
{
    open();
    const auto before = snapshot(game.dir.path());
    form->BitBtn1Click();
    EXPECT_EQ(snapshot(game.dir.path()), before);
    EXPECT_TRUE(dialogs->events.empty());
}

// A modder's first save of a run keeps the untouched original and says where.
TEST_F(MainWindowTest, TheFirstSaveBacksUpTheOriginalsAndSaysWhere)
{
    open();
    const auto before = snapshot(game.dir.path());
    common::RunBackups::start("Wingsmith", game.dir.path());
    pick(3);
    child<UpDown>("UpDown1")->clickUp();
    form->BitBtn1Click();
    common::RunBackups::stop();
    ASSERT_TRUE(fs::is_directory(game / "Backups"));
    const fs::path run = fs::directory_iterator(game / "Backups")->path();
    int copies = 0;
    for (const auto& e : fs::directory_iterator(run)) {
        ++copies;
        EXPECT_EQ(common::readAllBytes(e.path()), before.at(e.path().filename().string())) << e.path();
        EXPECT_NE(common::readAllBytes(game.dir.path() / e.path().filename()), before.at(e.path().filename().string()));
    }
    EXPECT_GE(copies, 1);
    // In the status line, not a box that keys typed next would land in.
    EXPECT_TRUE(dialogs->texts().isEmpty()) << dialogs->texts().join('|').toStdString();
    const QString status = form->statusBar()->currentMessage();
    EXPECT_TRUE(status.startsWith("Saved ")) << status.toStdString();
    EXPECT_TRUE(status.contains(QString::fromStdString(run.filename().string()))) << status.toStdString();
}

TEST_F(MainWindowTest, AMissingLooseFileIsReportedAndTheExitStillAsks)
{
    open();
    pick(3);
    child<UpDown>("UpDown1")->clickUp();
    fs::remove(game / "P47D.FLT");
    form->BitBtn1Click();
    EXPECT_EQ(dialogs->texts(), QStringList{"P47D.FLT: File not found"});
    // The exit question comes, Yes fails again: the window stays open.
    dialogs->answers = {Answer::Yes};
    EXPECT_FALSE(form->close());
    EXPECT_EQ(dialogs->texts().mid(1),
        QStringList({"Exiting Wingsmith. Changes have been detected. Do you want to save changes?",
            "P47D.FLT: File not found"}));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowTest, ImportThenExitWithNoWritesNothing)
{
    // A loose file edited outside differs from the archive.
    extract();
    Bytes hurr = common::readAllBytes(game / "HURR.FLT");
    common::le::putF32(hurr, FltRecord::kStability, 77.0f);
    common::writeAllBytes(game / "HURR.FLT", hurr);
    open();
    const auto before = snapshot(game.dir.path());
    form->BitBtn2Click();
    EXPECT_EQ(child<QListWidget>("ListBox1")->currentRow(), 0);
    dialogs->answers = {Answer::No};
    closeWindow();
    EXPECT_EQ(dialogs->texts(),
        QStringList{"Exiting Wingsmith. Changes have been detected. Do you want to save changes?"});
    EXPECT_EQ(snapshot(game.dir.path()), before);
}

TEST_F(MainWindowTest, ImportAsksBeforeReplacingUnsavedWork)
{
    open();
    child<UpDown>("UpDown1")->clickDown(); // P-38H: one engine, not saved yet
    const QString question = "Importing from DATA.CDF and FLT.CDF replaces the values of every aircraft. "
                             "Changes have been detected. Do you want to save changes first?";
    dialogs->answers = {Answer::Cancel};
    form->BitBtn2Click();
    EXPECT_EQ(dialogs->texts(), QStringList{question});
    EXPECT_EQ(intOf(working(0), "engineCount"), 1);

    dialogs->answers = {Answer::Yes};
    form->BitBtn2Click();
    EXPECT_EQ(common::le::getI16(common::readAllBytes(game / "P38H.FLT"), 0), 1);
    EXPECT_EQ(intOf(working(0), "engineCount"), 2); // the archive's value
}

TEST_F(MainWindowTest, TheExitQuestionCanBeCancelled)
{
    open();
    child<UpDown>("UpDown1")->clickDown();
    const auto before = snapshot(game.dir.path());
    dialogs->answers = {Answer::Cancel};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(intOf(working(0), "engineCount"), 1);
    dialogs->answers = {Answer::No};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(snapshot(game.dir.path()), before);
}

TEST_F(MainWindowTest, ExportRightAfterStartUpLeavesBothArchivesAsTheyWere)
{
    open();
    const auto before = snapshot(game.dir.path());
    form->SavedatatoDATACDFandFLTCDF1Click();
    EXPECT_EQ(snapshot(game.dir.path()), before);
}

TEST_F(MainWindowTest, ReadOnlyArchivesAreReadOnlyAgainAfterExit)
{
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(game / "DATA.CDF", readOnly);
    fs::permissions(game / "FLT.CDF", readOnly);
    open();
    EXPECT_NE(fs::status(game / "FLT.CDF").permissions() & fs::perms::owner_write, fs::perms::none);
    closeWindow();
    EXPECT_TRUE(dialogs->events.empty());
    EXPECT_EQ(fs::status(game / "DATA.CDF").permissions() & fs::perms::all, readOnly);
    EXPECT_EQ(fs::status(game / "FLT.CDF").permissions() & fs::perms::all, readOnly);
}

TEST_F(MainWindowTest, ChangingToAFolderWithoutArchivesSavesIntoTheOldOneFirst)
{
    open();
    // A second installation whose FLT.CDF is missing.
    common::TempDir empty;
    fs::copy_file(game / "DATA.CDF", empty / "DATA.CDF");
    child<UpDown>("UpDown1")->clickDown(); // P-38H now has one engine
    dialogs->modals.push_back([&](QDialog& d) {
        static_cast<GameFolderDialog&>(d).setDirectory(QString::fromStdString(empty.path().string()));
        d.findChild<QPushButton*>("Button1")->click();
        return d.result();
    });
    dialogs->answers = {Answer::Yes};
    form->PathClick1Click();

    const QStringList texts = dialogs->texts();
    ASSERT_GE(texts.size(), 3);
    EXPECT_EQ(texts[0], "No FLT.CDF file found!");
    EXPECT_EQ(texts[1], "Do you want to save changes?");
    EXPECT_TRUE(texts.mid(2).contains("FLT.CDF not found!"));
    // The edit went into the installation it belonged to; the new folder got nothing.
    EXPECT_EQ(common::le::getI16(common::readAllBytes(game / "P38H.FLT"), 0), 1);
    EXPECT_FALSE(fs::exists(empty / "P38H.FLT"));
    EXPECT_EQ(fs::path(settings().resourcePath()), empty.path());
}

TEST_F(MainWindowTest, SetPathAsksToSaveOnlyWhenThereIsSomethingToSaveAndSomewhereToSaveIt)
{
    auto choose = [this](QDialog& d) {
        static_cast<GameFolderDialog&>(d).setDirectory(QString::fromStdString(game.path()));
        d.findChild<QPushButton*>("Button1")->click();
        return d.result();
    };
    // No folder remembered yet: the first start is cancelled.
    form = std::make_unique<MainWindow>(settings());
    dialogs->events.clear();
    dialogs->modals.push_back(choose);
    form->PathClick1Click();
    ASSERT_EQ(dialogs->events.size(), 1u); // the directory window alone
    EXPECT_EQ(fs::path(settings().resourcePath()), game.dir.path());
    EXPECT_EQ(form->shownPosition(), 0);

    // Nothing changed since.
    dialogs->modals.push_back(choose);
    form->PathClick1Click();
    EXPECT_EQ(dialogs->events.size(), 2u);
}

TEST_F(MainWindowTest, CancellingThePathChangeChangesNothing)
{
    open();
    form->PathClick1Click(); // the scripted dialogs cancel the directory window
    EXPECT_EQ(fs::path(settings().resourcePath()), game.dir.path());
    EXPECT_EQ(dialogs->texts(), QStringList{});
}

QStringList& loggedWarnings()
{
    static QStringList warnings;
    return warnings;
}

TEST_F(MainWindowTest, GridEditorsCloseCleanlyAndNeverOpenByThemselves)
{
    open();
    loggedWarnings().clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { loggedWarnings() << text; });
    StringGrid* g = grid(1);
    g->setFocus();
    g->setCurrentCell(2, 0);
    g->editItem(g->item(2, 0));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->setText("42");
    leaveTo(child<QListWidget>("ListBox1")); // the view closes its editor itself
    form->Comparevalues();
    qInstallMessageHandler(previous);
    EXPECT_EQ(loggedWarnings(), QStringList{});
    EXPECT_EQ(floatOf(working(0), stabilityName(2)), 42.0f);

    // A grid that takes the focus is not opened for typing by that alone.
    showPage("TabSheet4");
    child<QTabWidget>("PageControl2")->setCurrentIndex(1);
    grid(10)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), grid(10));
}

TEST_F(MainWindowTest, BoldRowMarksAndWideNumbersAreNotClipped)
{
    open();
    showPage("TabSheet4");
    for (int n : {2, 4, 5}) {
        QHeaderView* header = grid(n)->verticalHeader();
        QFont bold = header->font();
        bold.setBold(true);
        EXPECT_GE(header->width(), QFontMetrics(bold).horizontalAdvance("Wingspan/area")
                + 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header))
            << "StringGrid" << n;
    }
    for (int e : {1, 5, 6, 7, 16, 17}) {
        auto* edit = child<QLineEdit>(QString("Edit%1").arg(e));
        const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance("-21730") + 2 * frame + 4) << "Edit" << e;
    }
}

TEST_F(MainWindowTest, EveryPageShowsItsControlsUnclipped)
{
    open();
    auto* pages = child<QTabWidget>("PageControl1");
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QWidget* page = pages->currentWidget();
        QApplication::processEvents();
        // Each page's own minimum fits the room the window gives it.
        EXPECT_LE(page->minimumSizeHint().width(), page->width()) << pages->tabText(i).toStdString();
        if (i != 5) { // the damage page scrolls
            EXPECT_LE(page->minimumSizeHint().height(), page->height()) << pages->tabText(i).toStdString();
        }
        if (const QByteArray dir = qgetenv("WINGSMITH_PAGE_PICTURES"); !dir.isEmpty())
            form->grab().save(QString("%1/page%2.png").arg(QString::fromLocal8Bit(dir)).arg(i + 1));
    }
    // The flight-record guns of a six-group bomber.
    pick(6);
    pages->setCurrentWidget(child<QWidget>("TabSheet4"));
    auto* guns = child<QTabWidget>("PageControl2");
    guns->setCurrentIndex(1);
    QApplication::processEvents();
    EXPECT_LE(guns->currentWidget()->minimumSizeHint().width(), guns->currentWidget()->width());
    EXPECT_LE(guns->currentWidget()->minimumSizeHint().height(), guns->currentWidget()->height());
    if (const QByteArray dir = qgetenv("WINGSMITH_PAGE_PICTURES"); !dir.isEmpty())
        form->grab().save(QString("%1/flt-guns.png").arg(QString::fromLocal8Bit(dir)));
}

TEST(SmallWindows, TheFolderWindowRevealsThePresetFolderAndTakesATypedPath)
{
    common::TempDir dir;
    const std::filesystem::path deep = dir / "Games" / "Sims" / "WW2" / "Vantor";
    std::filesystem::create_directories(deep);
    // Folders listed before it, which the list learns of only after opening.
    for (int i = 0; i < 300; ++i)
        std::filesystem::create_directory(dir / "Games" / "Sims" / ("Folder" + std::to_string(1000 + i)));
    GameFolderDialog form2;
    form2.setDirectory(QString::fromStdString(deep.string()));
    form2.show();
    auto* tree = form2.findChild<QTreeView*>("DirectoryListBox1");
    ASSERT_NE(tree, nullptr);
    const auto* model = static_cast<const QFileSystemModel*>(tree->model());
    const QModelIndex sims = model->index(QString::fromStdString((dir / "Games" / "Sims").string()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(sims) == 301; }, 5000));
    QTest::qWait(50);
    const QRect shown = tree->visualRect(tree->currentIndex());
    EXPECT_TRUE(shown.isValid() && tree->viewport()->rect().contains(shown));
    EXPECT_EQ(std::filesystem::path(model->filePath(tree->currentIndex()).toStdString()), deep);

    auto* edit = form2.findChild<QLineEdit*>("Edit1");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromStdString((dir / "Elsewhere").string()));
    EXPECT_EQ(std::filesystem::path(form2.selectedDirectory().toStdString()), dir / "Elsewhere");
}

} // namespace
} // namespace wingsmith

namespace wingsmith {
namespace {

TEST(SmallWindows, DirectoryWindowShowsTheFolderChosenAndAboutBoxClosesWithOk)
{
    common::TempDir dir;
    std::filesystem::create_directory(dir / "Vantor");
    GameFolderDialog form2;
    EXPECT_EQ(form2.windowTitle(), "Wingsmith");
    form2.setDirectory(QString::fromStdString((dir / "Vantor").string()));
    EXPECT_EQ(std::filesystem::path(form2.selectedDirectory().toStdString()), dir / "Vantor");
    form2.setDirectory(""); // an empty path leaves the list where it is
    EXPECT_EQ(std::filesystem::path(form2.selectedDirectory().toStdString()), dir / "Vantor");
    auto* edit = form2.findChild<QLineEdit*>("Edit1");
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(edit->isReadOnly());
    EXPECT_FALSE(edit->focusPolicy() & Qt::TabFocus);

    AboutBox about;
    EXPECT_EQ(about.windowTitle(), "Wingsmith");
    auto* title = about.findChild<QLabel*>("ProductName");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "Wingsmith v1.06");
    about.show();
    about.findChild<QPushButton*>("OKButton")->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
    if (const QByteArray out = qgetenv("WINGSMITH_PAGE_PICTURES"); !out.isEmpty()) {
        form2.show();
        QApplication::processEvents();
        form2.grab().save(QString::fromLocal8Bit(out) + "/form2.png");
        about.show();
        QApplication::processEvents();
        about.grab().save(QString::fromLocal8Bit(out) + "/about.png");
    }
}

// A screen reader names every control by its label, and tells apart
// controls of different labels.
TEST_F(MainWindowTest, EveryControlHasTheAccessibleNameOfItsLabel)
{
    open();
    for (const char* sheet : {"TabSheet3", "TabSheet4", "TabSheet8"})
        showPage(sheet);
    EXPECT_EQ(common::accessibleNameFaults(*form).join("\n").toStdString(), "");
    EXPECT_EQ(child<QComboBox>("ComboBox1")->accessibleName(), "Engine type");
    EXPECT_EQ(child<QComboBox>("ComboBox3")->accessibleName(), "Engine torque multiplier");
    EXPECT_EQ(child<QWidget>("StringGrid2")->accessibleName(), "Sideforce stability");
    EXPECT_EQ(child<QWidget>("ListBox1")->accessibleName(), "Available Aircraft");
}

// Another style and a larger font (a desktop's dark scheme with Fusion):
// every row of the stability grids is still shown whole.
TEST_F(MainWindowTest, TheStabilityGridsShowEveryRowUnderAnotherStyleAndALargerFont)
{
    const QString styleBefore = QApplication::style()->name();
    const QFont fontBefore = QApplication::font();
    QApplication::setStyle("Fusion");
    QFont larger = fontBefore;
    larger.setPointSizeF(fontBefore.pointSizeF() * 1.6);
    QApplication::setFont(larger);
    open();
    showPage("TabSheet1");
    QApplication::processEvents();
    for (int n = 1; n <= 6; ++n) {
        StringGrid* g = grid(n);
        for (int r = 0; r < g->rowCount(); ++r) {
            const QRect cell = g->visualRect(g->model()->index(r, 0));
            EXPECT_TRUE(g->viewport()->rect().contains(cell)) << "StringGrid" << n << " row " << r;
        }
    }
    form.reset();
    QApplication::setFont(fontBefore);
    QApplication::setStyle(styleBefore);
}

} // namespace
} // namespace wingsmith

namespace wingsmith {
namespace {

// Another program rewrote planes.dat after the window read it.
struct ChangedOnDisk {
    const char* name;
    common::Answer answer;
    bool overwritten;
    bool reloaded;
};

void PrintTo(const ChangedOnDisk& c, std::ostream* os)
{
    *os << c.name;
}

class ChangedOnDiskTest : public MainWindowTest, public ::testing::WithParamInterface<ChangedOnDisk> {};

TEST_P(ChangedOnDiskTest, TheSaveAsksBeforeOverwritingAndDoesWhatIsAnswered)
{
    const ChangedOnDisk& c = GetParam();
    open();
    showPage("TabSheet7");
    auto* armor = child<QCheckBox>("CheckBox27");
    ASSERT_TRUE(armor->isChecked());
    armor->setFocus();
    armor->click();
    // Their change: the same byte, with the armor bit kept and another set.
    Bytes theirs = common::readAllBytes(game / "planes.dat");
    theirs[8 + 3] ^= 0x01;
    common::writeAllBytes(game / "planes.dat", theirs);
    fs::last_write_time(game / "planes.dat", fs::last_write_time(game / "planes.dat") + std::chrono::seconds(5));

    dialogs->answers.push_back(c.answer);
    child<QPushButton>("BitBtn1")->click();
    ASSERT_EQ(dialogs->texts().size(), 1);
    EXPECT_TRUE(dialogs->texts()[0].startsWith("The file \"planes.dat\" was changed on disk by another program"))
        << dialogs->texts()[0].toStdString();
    EXPECT_EQ(dialogs->events[0].buttons, common::CancellableQuestion::OverwriteReloadCancel);
    const Bytes planes = common::readAllBytes(game / "planes.dat");
    EXPECT_EQ((planes[8 + 3] & 0x10) == 0, c.overwritten);
    if (!c.overwritten) {
        EXPECT_EQ(planes, theirs);
    }
    EXPECT_EQ(form->isWindowModified(), !c.overwritten && !c.reloaded);
    if (c.reloaded) {
        showPage("TabSheet7");
        EXPECT_TRUE(armor->isChecked()); // the file's value again
    }

    // Once overwritten or reloaded, the window knows the file as it is.
    if (c.overwritten || c.reloaded) {
        showPage("TabSheet7");
        armor->setFocus();
        armor->click();
        child<QPushButton>("BitBtn1")->click();
        EXPECT_EQ(dialogs->texts().size(), 1) << dialogs->texts().join("\n").toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, ChangedOnDiskTest,
    ::testing::Values(ChangedOnDisk{"Overwrite", common::Answer::Overwrite, true, false},
        ChangedOnDisk{"Reload", common::Answer::Reload, false, true},
        ChangedOnDisk{"Cancel", common::Answer::Cancel, false, false}));

} // namespace
} // namespace wingsmith
