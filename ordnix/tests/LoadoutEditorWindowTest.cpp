// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutFixture.h"

#include "ordnix/core/ChangeScript.h"
#include "ordnix/ui/ByteTableView.h"
#include "ordnix/ui/CommandColumn.h"
#include "ordnix/ui/LoadoutEditorWindow.h"

#include "tools/demogen/DemoInstallation.h"
#include "tools/demogen/OrdnixDemo.h"

#include "common/testing/AccessibleNameCheck.h"
#include "common/ui/AccessibleNames.h"
#include "common/testing/ProgramRun.h"
#include "common/testing/ScriptedDialogs.h"
#include "common/testing/TempDir.h"
#include "common/core/RunBackups.h"
#include "common/core/TextLines.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <set>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace ordnix {
namespace {

namespace fs = std::filesystem;
using common::readAllBytes;
using common::ScriptedDialogs;
using common::writeAllBytes;
using testing::blankLoadout;
using testing::recordOffset;
using testing::setCodes;
using testing::setSlot;

QString path(const fs::path& p)
{
    return QString::fromStdString(p.string());
}

class LoadoutEditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::writeDemoLists(dir.path());
        // Remembered folders go to this test's own settings, never the user's.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path(dir / "settings"));
    }

    // Opens the window on `bytes` written as loadout.dat.
    void open(const std::vector<std::uint8_t>& bytes)
    {
        writeAllBytes(dir / "loadout.dat", bytes);
        window = std::make_unique<LoadoutEditorWindow>(dir.path(), QStringLiteral("loadout.dat"));
        window->show();
        QApplication::processEvents();
    }

    template <typename T>
    T* get(const QString& name) const
    {
        T* w = window->findChild<T*>(name);
        if (!w)
            ADD_FAILURE() << "no control " << name.toStdString();
        return w;
    }

    QString text(const QString& name) const { return get<QLineEdit>(name)->text(); }
    void type(const QString& name, const QString& value) const { get<QLineEdit>(name)->setText(value); }
    // A click as the user makes it: only on a control that can be seen.
    void click(const QString& name) const
    {
        auto* button = get<QAbstractButton>(name);
        ASSERT_TRUE(button->isVisible()) << name.toStdString() << " is not on the page shown";
        // Near the left edge, where a radio button has its circle and text.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(std::min(8, button->width() / 2), button->height() / 2));
    }
    void page(int index) const
    {
        get<QTabWidget>("SSTab1")->setCurrentIndex(index);
        QApplication::processEvents();
    }
    int row() const { return get<QTableWidget>("RG")->currentRow(); }
    void choose(int r) const { get<QTableWidget>("RG")->setCurrentCell(r, 1); }

    std::set<std::size_t> changed() const
    {
        std::set<std::size_t> positions;
        for (const ChangedByte& c : ChangedBytes(window->image()))
            positions.insert(c.position);
        return positions;
    }

    common::TempDir dir;
    common::ScopedScriptedDialogs dialogs;
    std::unique_ptr<LoadoutEditorWindow> window;
};

TEST_F(LoadoutEditorWindowTest, ShowingARecordTidiesItsSlots)
{
    auto bytes = blankLoadout();
    bytes[recordOffset(4, 2)] = 1;
    const int numbers[] = {2, 0, 1, 0, 0};
    for (std::size_t j = 0; j < 5; ++j)
        setSlot(bytes, 4, j, {static_cast<int>(j + 2), 3, numbers[j], 4, 7, 9});
    open(bytes);

    choose(4);
    EXPECT_EQ(get<QTabWidget>("SSTab1")->currentIndex(), 1);
    EXPECT_EQ(text("Text5"), "3");
    for (int j : {1, 3, 4}) {
        const QString n = QString::number(j);
        EXPECT_EQ(get<QComboBox>("Weapon_" + n)->currentIndex(), 0) << j;
        EXPECT_EQ(get<QComboBox>("Rack_" + n)->currentIndex(), 0) << j;
        EXPECT_EQ(get<QComboBox>("Location_" + n)->currentIndex(), 0) << j;
        EXPECT_EQ(text("IFD_" + n), "0") << j;
        EXPECT_EQ(text("DBF_" + n), "0") << j;
    }
    EXPECT_EQ(get<QComboBox>("Weapon_2")->currentIndex(), 4);
    EXPECT_EQ(text("WNum_0"), "2");
    EXPECT_EQ(text("DBF_2"), "9");
    EXPECT_TRUE(changed().empty()); // showing writes nothing

    click("Command12");
    const std::size_t p0 = 5 + 44 * 4;
    std::set<std::size_t> expected{p0 + 2};
    for (std::size_t j : {1, 3, 4})
        for (std::size_t f : {0, 1, 3, 4, 6})
            expected.insert(p0 + 4 + 8 * j + f);
    EXPECT_EQ(changed(), expected);
    EXPECT_EQ(window->image().currentText(p0 + 2), "3");
    EXPECT_EQ(window->image().currentText(p0 + 4 + 8 + 6), "0");
}

TEST_F(LoadoutEditorWindowTest, OkOnAConsistentRecordChangesNothing)
{
    open(demogen::buildDemoLoadout());
    // Walk all 180 demo records with "+", pressing "OK" on each.
    choose(0);
    for (int r = 0; r < 180; ++r) {
        ASSERT_EQ(row(), r);
        click("Command12");
        click("Command11");
    }
    EXPECT_EQ(row(), 179);
    EXPECT_TRUE(changed().empty());
}

TEST_F(LoadoutEditorWindowTest, MinusOnTheFirstAndPlusOnTheLastRowDoNothing)
{
    open(demogen::buildDemoLoadout());
    choose(0);
    type("WNum_0", "5");
    click("Command10");
    EXPECT_EQ(row(), 0);
    EXPECT_EQ(text("WNum_0"), "5"); // not shown again either

    choose(179);
    type("WNum_0", "6");
    click("Command11");
    EXPECT_EQ(row(), 179);
    EXPECT_EQ(window->shownRecord(), 179);
    EXPECT_EQ(text("WNum_0"), "6");

    click("Command10");
    EXPECT_EQ(row(), 178);
    EXPECT_EQ(window->shownRecord(), 178);
}

TEST_F(LoadoutEditorWindowTest, MissionFourOfCodeTwoShowsPositions8100To8106)
{
    auto bytes = blankLoadout();
    setCodes(bytes, {0, 0, 2});
    for (std::size_t i = 3; i < 180; ++i)
        bytes[recordOffset(i)] = 2;
    bytes[8099] = 5;
    bytes[8100] = 61;
    open(bytes);

    choose(2);
    EXPECT_EQ(get<QLabel>("Label4")->text(), "8049");
    EXPECT_TRUE(get<QRadioButton>("Option1_0")->isChecked());
    page(0);
    click("Option1_4");
    EXPECT_EQ(get<QLabel>("Label5")->text(), "8100");
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(get<QLabel>(QStringLiteral("Label6_%1").arg(k))->text(), QString::number(8101 + k));
    EXPECT_EQ(text("Text4"), "5");
    EXPECT_EQ(text("Text3_0"), "61");
    EXPECT_FALSE(get<QLabel>("Label5")->isVisible());
}

TEST_F(LoadoutEditorWindowTest, InsertEditedValuesRoundsOptionsDownAndKeepsTheCountAsTyped)
{
    auto bytes = blankLoadout();
    for (std::size_t i = 0; i < 180; ++i)
        bytes[recordOffset(i)] = 2;
    open(bytes);
    choose(0);
    page(0);
    click("Option1_4");
    type("Text4", " 12");
    type("Text3_0", "7.9");
    type("Text3_1", "x");
    click("Command8");
    EXPECT_EQ(window->image().currentText(8100), " 12");
    EXPECT_EQ(window->image().currentText(8101), "7");
    EXPECT_EQ(window->image().currentText(8102), "0");
    const ByteTableView* table = get<ByteTableView>("BG");
    EXPECT_EQ(table->model()->index(8100, 2).data().toString(), "7");
}

TEST_F(LoadoutEditorWindowTest, CancellingTheStartupDialogLeavesTheWindowUsable)
{
    writeAllBytes(dir / "loadout.dat", demogen::buildDemoLoadout());
    window = std::make_unique<LoadoutEditorWindow>(dir.path());
    window->show();
    QApplication::processEvents();

    ASSERT_EQ(dialogs->events.size(), 1u);
    EXPECT_EQ(dialogs->events[0].kind, ScriptedDialogs::Kind::OpenFile);
    EXPECT_TRUE(dialogs->events[0].request.filter.contains("loadout.*"));
    EXPECT_EQ(dialogs->events[0].request.directory, path(dir.path()));
    EXPECT_TRUE(dialogs->events[0].request.presetName.isEmpty());
    EXPECT_TRUE(get<QTableWidget>("RG")->isHidden());
    EXPECT_TRUE(get<QWidget>("Frame2")->isHidden());
    EXPECT_FALSE(get<QPushButton>("Command2")->isEnabled());
    EXPECT_EQ(get<ByteTableView>("BG")->model()->rowCount(), 0);

    dialogs->files.push_back(path(dir / "loadout.dat"));
    click("Command4");
    EXPECT_EQ(window->image().size(), demogen::kDemoLoadoutSize);
    EXPECT_FALSE(get<QTableWidget>("RG")->isHidden());
    EXPECT_FALSE(get<QWidget>("Frame2")->isHidden());
    EXPECT_EQ(get<QLabel>("ldf")->text(), "loadout.dat");
    // Record 0 is shown at once, so the mission options belong to its aircraft.
    EXPECT_EQ(window->shownRecord(), 0);
    EXPECT_EQ(get<QLabel>("Label7")->text(), "P-38H Lightning 1");
    EXPECT_EQ(get<QLabel>("Label4")->text(), "7929");
    EXPECT_EQ(get<QLabel>("Label5")->text(), "7932");
    EXPECT_EQ(window->windowTitle(), "loadout.dat[*] — Loadout Editor — Ordnix");
}

TEST_F(LoadoutEditorWindowTest, DoubleClickingAListedFileLoadsIt)
{
    auto bytes = demogen::buildDemoLoadout();
    writeAllBytes(dir / "loadout.dat", bytes);
    bytes[recordOffset(0, 4)] = 3;
    writeAllBytes(dir / "Loadout.001", bytes);
    window = std::make_unique<LoadoutEditorWindow>(dir.path());
    window->show();
    QApplication::processEvents(); // the start-up dialog, cancelled

    auto* files = get<QListWidget>("File1");
    ASSERT_EQ(files->count(), 2);
    QListWidgetItem* copy = files->item(0);
    ASSERT_EQ(copy->text(), "Loadout.001");
    const QRect place = files->visualItemRect(copy);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, place.center());
    EXPECT_EQ(get<QLabel>("ldf")->text(), "Loadout.001");
    EXPECT_EQ(window->image().currentText(9), "3");
}

TEST_F(LoadoutEditorWindowTest, LoadingShowsTheCountInTheTitleAndRestoresIt)
{
    auto bytes = blankLoadout();
    bytes.resize(200000, 1);
    writeAllBytes(dir / "big.dat", bytes);
    window = std::make_unique<LoadoutEditorWindow>(dir.path());
    QStringList titles;
    QObject::connect(window.get(), &QWidget::windowTitleChanged, [&](const QString& t) { titles << t; });
    ASSERT_TRUE(window->LoadLoadout(path(dir / "big.dat")));
    ASSERT_GE(titles.size(), 3);
    EXPECT_TRUE(titles[titles.size() - 2].contains("200000")) << titles[titles.size() - 2].toStdString();
    EXPECT_EQ(titles.back(), "big.dat[*] — Loadout Editor — Ordnix");
    EXPECT_EQ(get<ByteTableView>("BG")->model()->rowCount(), 200000);
}

TEST_F(LoadoutEditorWindowTest, AFileTooShortIsRefusedAndTheLoadedOneStays)
{
    open(demogen::buildDemoLoadout());
    choose(7);
    auto shortFile = blankLoadout();
    shortFile.resize(5000);
    writeAllBytes(dir / "Loadout.001", shortFile);

    EXPECT_FALSE(window->LoadLoadout(path(dir / "Loadout.001")));
    ASSERT_EQ(dialogs->texts().size(), 1);
    EXPECT_TRUE(dialogs->texts()[0].contains("Loadout.001")) << dialogs->texts()[0].toStdString();
    EXPECT_EQ(window->image().size(), demogen::kDemoLoadoutSize);
    EXPECT_EQ(get<QLabel>("ldf")->text(), "loadout.dat");
    EXPECT_FALSE(get<QLabel>("ldf")->isHidden());
    EXPECT_EQ(window->shownRecord(), 7);
    EXPECT_EQ(window->windowTitle(), "loadout.dat[*] — Loadout Editor — Ordnix");
}

TEST_F(LoadoutEditorWindowTest, ACodeBeyondItsListShowsNoEntryAndOkKeepsIt)
{
    auto bytes = blankLoadout(57);
    setCodes(bytes, {1, 57});
    for (std::size_t i = 2; i < 180; ++i)
        bytes[recordOffset(i)] = 57;
    bytes[recordOffset(1, 2)] = 1;
    setSlot(bytes, 1, 0, {88, 2, 1, 3, 1, 20});
    open(bytes);

    const auto* list = get<QTableWidget>("RG");
    EXPECT_EQ(list->item(1, 1)->text(), "(code 57) 1");
    choose(1);
    EXPECT_EQ(get<QComboBox>("Weapon_0")->currentIndex(), -1);
    EXPECT_EQ(get<QComboBox>("Rack_0")->currentIndex(), 2);
    get<QComboBox>("Rack_0")->setCurrentIndex(4);
    click("Command12");
    EXPECT_EQ(window->image().currentText(5 + 44 + 4), "88");
    EXPECT_EQ(changed(), (std::set<std::size_t>{5 + 44 + 5}));
}

// An aircraft code beyond Planes.txt is named in the status line while a
// record holds it, whether loaded, deleted or brought back by undo; the
// warning itself never changes a byte.
TEST_F(LoadoutEditorWindowTest, AnAircraftCodeBeyondThePlaneListIsNamedInTheStatusLine)
{
    auto bytes = blankLoadout(57);
    open(bytes);
    auto* warning = get<QLabel>("domainWarning");
    EXPECT_FALSE(warning->isVisible());

    bytes[recordOffset(4)] = 57;
    bytes[recordOffset(9)] = 57;
    open(bytes);
    warning = get<QLabel>("domainWarning");
    const QString planes = QString::number(demogen::demoPlaneNames().size());
    ASSERT_TRUE(warning->isVisible());
    EXPECT_EQ(warning->text(),
        QString("Record 5 (position %1) aircraft code is 57, beyond Planes.txt (%2 aircraft)"
                " (and 1 more)")
            .arg(recordOffset(4) + 1)
            .arg(planes));
    EXPECT_TRUE(changed().empty());

    choose(9);
    click("Command6");
    EXPECT_TRUE(warning->text().endsWith("aircraft)")) << warning->text().toStdString();
    choose(4);
    click("Command6");
    EXPECT_FALSE(warning->isVisible()) << warning->text().toStdString();
    window->undoStack()->undo();
    EXPECT_TRUE(warning->isVisible());
    EXPECT_TRUE(warning->text().startsWith("Record 5 ")) << warning->text().toStdString();
}

TEST_F(LoadoutEditorWindowTest, SavingWritesNumberedCopiesAndListsThem)
{
    open(demogen::buildDemoLoadout());
    choose(3);
    auto* weapon = get<QComboBox>("Weapon_0");
    const int chosen = (weapon->currentIndex() + 1) % weapon->count();
    weapon->setCurrentIndex(chosen);
    click("Command12");
    click("Command2");
    click("Command2");
    EXPECT_TRUE(dialogs->texts().isEmpty()) << dialogs->texts().join("\n").toStdString();

    auto expected = demogen::buildDemoLoadout();
    expected[recordOffset(3, 4)] = static_cast<std::uint8_t>(chosen);
    EXPECT_EQ(readAllBytes(dir / "Loadout.001"), expected);
    EXPECT_EQ(readAllBytes(dir / "Loadout.002"), expected);
    EXPECT_EQ(readAllBytes(dir / "loadout.dat"), demogen::buildDemoLoadout());
    const auto* files = get<QListWidget>("File1");
    ASSERT_EQ(files->count(), 3);
    EXPECT_EQ(files->currentItem()->text(), "Loadout.002");

    get<QCheckBox>("Check1")->setChecked(true);
    click("Command2");
    EXPECT_EQ(readAllBytes(dir / "loadout.dat"), expected);
    EXPECT_EQ(files->count(), 3);
}

// A save over loadout.dat that changes nothing (a block inserted and taken
// back) makes no backup folder; one that changes it says where the original
// went in the status line, not in a box that keys typed next would land in.
TEST_F(LoadoutEditorWindowTest, AReplacingSaveBacksUpOnlyWhatItChangesAndSaysSoInTheStatusLine)
{
    open(demogen::buildDemoLoadout());
    get<QCheckBox>("Check1")->setChecked(true);
    common::RunBackups::start("Ordnix", dir.path());
    choose(10);
    click("Command5");
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    click("Command2");
    EXPECT_EQ(readAllBytes(dir / "loadout.dat"), demogen::buildDemoLoadout());
    EXPECT_FALSE(std::filesystem::exists(dir / "Backups"));

    choose(3);
    auto* weapon = get<QComboBox>("Weapon_0");
    weapon->setCurrentIndex((weapon->currentIndex() + 1) % weapon->count());
    click("Command12");
    click("Command2");
    common::RunBackups::stop();
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Backups"));
    EXPECT_TRUE(dialogs->texts().isEmpty()) << dialogs->texts().join("\n").toStdString();
    const QString status = get<QStatusBar>("statusBar")->currentMessage();
    EXPECT_TRUE(status.contains("Originals backed up in")) << status.toStdString();
}

// Once a box's value is committed (Enter, OK), Ctrl+Z in it takes back the
// window's step, so what the box shows is what is saved.
TEST_F(LoadoutEditorWindowTest, CtrlZInACommittedBoxUndoesTheStepItShows)
{
    const auto bytes = demogen::buildDemoLoadout();
    open(bytes);
    choose(0);
    auto* number = get<QLineEdit>("WNum_0");
    const QString old = number->text();
    // Shortcuts answer in the active window only.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    number->setFocus();
    number->selectAll();
    QTest::keyClicks(number, old == "3" ? "4" : "3");
    QTest::keyClick(number, Qt::Key_Return);
    click("Command12");
    number->setFocus(); // back in the box, as after Alt+K
    ASSERT_TRUE(window->isWindowModified());
    QTest::keyClick(number, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(number->text(), old);
    EXPECT_FALSE(window->isWindowModified());
    click("Command2");
    ASSERT_TRUE(std::filesystem::exists(dir / "Loadout.001"));
    EXPECT_EQ(readAllBytes(dir / "Loadout.001"), bytes);

    // Typing not yet committed is the box's own to undo.
    number->setFocus();
    QTest::keyClicks(number, "7");
    QTest::keyClick(number, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(number->text(), old);
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(LoadoutEditorWindowTest, ASaveWithAValueThatIsNoByteIsRefused)
{
    open(demogen::buildDemoLoadout());
    choose(0);
    type("IFD_0", "3.5");
    type("DBF_0", "lots");
    click("Command12");
    click("Command2");
    ASSERT_EQ(dialogs->texts().size(), 1);
    EXPECT_TRUE(dialogs->texts()[0].contains("Position 15")) << dialogs->texts()[0].toStdString();
    EXPECT_TRUE(dialogs->texts()[0].contains("lots"));
    EXPECT_FALSE(fs::exists(dir / "Loadout.001"));

    type("DBF_0", "12");
    click("Command12");
    click("Command2");
    EXPECT_EQ(readAllBytes(dir / "Loadout.001")[recordOffset(0, 8)], 4); // 3.5 saved as 4
}

TEST_F(LoadoutEditorWindowTest, SaveBlockWritesTheChangesSinceLoading)
{
    auto bytes = blankLoadout();
    bytes[recordOffset(0, 2)] = 1;
    setSlot(bytes, 0, 0, {1, 2, 3, 4, 1, 30});
    open(bytes);
    choose(0);

    get<QComboBox>("Weapon_0")->setCurrentIndex(4);
    click("Command12");
    dialogs->files.push_back(path(dir / "first.lox"));
    click("Command9");
    EXPECT_EQ(common::readAllText(dir / "first.lox"), "9\r\n4\r\n");
    const auto& request = dialogs->events.back().request;
    EXPECT_TRUE(request.filter.contains("*.lox"));
    EXPECT_TRUE(request.presetName.isEmpty());

    get<QComboBox>("Weapon_0")->setCurrentIndex(1);
    click("Command12");
    dialogs->files.push_back(path(dir / "second"));
    click("Command9");
    EXPECT_EQ(common::readAllText(dir / "second"), ""); // exactly the name chosen

    type("WNum_0", "03");
    click("Command12");
    dialogs->files.push_back(path(dir / "third.lox"));
    click("Command9");
    EXPECT_EQ(common::readAllText(dir / "third.lox"), "11\r\n03\r\n");
}

TEST_F(LoadoutEditorWindowTest, CancellingSaveBlockLeavesTheSlotEditorAlone)
{
    open(demogen::buildDemoLoadout());
    choose(0);
    type("WNum_2", "0");
    type("IFD_2", "7");
    type("Text5", "9");
    click("Command9");
    EXPECT_EQ(text("IFD_2"), "7");
    EXPECT_EQ(text("Text5"), "9");

    dialogs->files.push_back(path(dir / "s.lox"));
    click("Command9");
    EXPECT_EQ(text("IFD_2"), "0"); // tidied once a name was chosen
}

// The pages are reached with Alt and a letter that no command uses.
TEST_F(LoadoutEditorWindowTest, AltKeysShowEachPage)
{
    open(demogen::buildDemoLoadout());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* pages = get<QTabWidget>("SSTab1");
    for (const auto& [key, index] : {std::pair{Qt::Key_E, 2}, {Qt::Key_A, 1}, {Qt::Key_C, 0}}) {
        QTest::keyClick(window.get(), key, Qt::AltModifier);
        EXPECT_EQ(pages->currentIndex(), index);
    }
}

TEST_F(LoadoutEditorWindowTest, LoadTextShowsEveryLineEndedByCrLf)
{
    open(demogen::buildDemoLoadout());
    common::writeAllText(dir / "notes.txt", "first\nsecond\r\nthird");
    dialogs->files.push_back(path(dir / "notes.txt"));
    page(2);
    click("T1");
    const auto* reader = get<QPlainTextEdit>("Text1_0");
    // Each line ends with CR LF; the text field shows a CR LF as one line break.
    EXPECT_EQ(reader->toPlainText(), "first\nsecond\nthird\n");
    EXPECT_TRUE(dialogs->events.back().request.filter.contains("*.txt"));

    // The preset is the name chosen last; cancelling leaves the field empty.
    click("T1");
    EXPECT_EQ(dialogs->events.back().request.presetName, path(dir / "notes.txt"));
    EXPECT_TRUE(reader->toPlainText().isEmpty());
}

TEST_F(LoadoutEditorWindowTest, InsertOnTheLastRecordIsRefused)
{
    open(demogen::buildDemoLoadout());
    choose(179);
    click("Command5");
    ASSERT_EQ(dialogs->texts().size(), 1);
    EXPECT_TRUE(changed().empty());
    for (std::size_t pos = 7837; pos <= 7968; ++pos)
        EXPECT_EQ(window->image().currentText(pos), window->image().loadedText(pos));
    EXPECT_EQ(row(), 179);
}

TEST_F(LoadoutEditorWindowTest, InsertShowsTheCopyAndDeleteOfRecord0ShowsRow0)
{
    const auto bytes = demogen::buildDemoLoadout();
    open(bytes);
    choose(10);
    click("Command5");
    EXPECT_EQ(row(), 11);
    EXPECT_EQ(window->shownRecord(), 11);
    EXPECT_EQ(window->image().currentText(5 + 44 * 11 + 4), std::to_string(bytes[recordOffset(10, 4)]));

    choose(0);
    click("Command6");
    EXPECT_EQ(row(), 0);
    EXPECT_EQ(window->shownRecord(), 0);
    EXPECT_EQ(get<QLabel>("Label7")->text(), get<QTableWidget>("RG")->item(0, 1)->text());
    EXPECT_EQ(window->image().currentText(5), std::to_string(bytes[recordOffset(1)]));
}

// Records alike from 10 on: a copy of 10 changes no byte, so there is no
// step to undo, but the copy is shown all the same.
TEST_F(LoadoutEditorWindowTest, InsertOverIdenticalRecordsShowsTheCopyWithoutAStep)
{
    auto bytes = blankLoadout();
    for (std::size_t i = 11; i < 180; ++i)
        std::copy_n(bytes.begin() + recordOffset(10), 44, bytes.begin() + recordOffset(i));
    open(bytes);
    choose(10);
    click("Command5");
    EXPECT_EQ(row(), 11);
    EXPECT_EQ(window->shownRecord(), 11);
    EXPECT_FALSE(window->hasUnsavedChanges());
    EXPECT_FALSE(window->undoStack()->canUndo());
}

TEST_F(LoadoutEditorWindowTest, RightClickOnTheRecordListShowsTheOptionBlock)
{
    open(demogen::buildDemoLoadout());
    choose(40);
    auto* list = get<QTableWidget>("RG");
    const auto* table = get<ByteTableView>("BG");
    const int anchor = get<QLabel>("Label4")->text().toInt();
    ASSERT_GT(anchor, 7929);
    page(0);
    const int otherRow = list->rowAt(5);
    ASSERT_NE(otherRow, 40);
    const QRect other = list->visualItemRect(list->item(otherRow, 1));
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, other.center());
    EXPECT_EQ(table->rowAt(1), anchor - 1);
    EXPECT_EQ(row(), 40); // the row under the pointer is not chosen
}

TEST_F(LoadoutEditorWindowTest, MissingAndOverlongListsAreNamedAtStartup)
{
    fs::remove(dir / "Weapons.txt");
    std::string many;
    for (int i = 0; i < 25; ++i)
        many += "Place\r\n";
    common::writeAllText(dir / "Locations.txt", many);
    open(demogen::buildDemoLoadout());
    ASSERT_EQ(dialogs->texts().size(), 1);
    EXPECT_TRUE(dialogs->texts()[0].contains("Weapons.txt"));
    EXPECT_TRUE(dialogs->texts()[0].contains("Locations.txt"));
    EXPECT_EQ(get<QComboBox>("Weapon_0")->count(), 0);
    EXPECT_EQ(get<QComboBox>("Location_0")->count(), 21);

    // The editor still works; without weapon names "OK" keeps the weapon bytes.
    choose(2);
    click("Command12");
    EXPECT_TRUE(changed().empty());
}

// Closing with edits that were never saved: what each answer does.
struct ClosingCase {
    const char* name;
    bool edit;
    std::optional<common::Answer> answer; // none: no question expected
    bool closes;
    bool savesACopy;
};

void PrintTo(const ClosingCase& c, std::ostream* os)
{
    *os << c.name;
}

class ClosingTest : public LoadoutEditorWindowTest, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(ClosingTest, AsksOnlyWhenSomethingIsUnsaved)
{
    const ClosingCase& c = GetParam();
    open(demogen::buildDemoLoadout());
    choose(3);
    if (c.edit) {
        auto* weapon = get<QComboBox>("Weapon_0");
        weapon->setCurrentIndex((weapon->currentIndex() + 1) % weapon->count());
    }
    click("Command12"); // unchanged fields write the same texts: nothing to save
    if (c.answer)
        dialogs->answers.push_back(*c.answer);
    click("Command3");
    ASSERT_EQ(dialogs->texts().size(), c.answer ? 1 : 0) << dialogs->texts().join("\n").toStdString();
    if (c.answer) {
        EXPECT_TRUE(dialogs->texts()[0].contains("Loadout.001")) << dialogs->texts()[0].toStdString();
    }
    EXPECT_EQ(window->isVisible(), !c.closes);
    EXPECT_EQ(fs::exists(dir / "Loadout.001"), c.savesACopy);
    EXPECT_EQ(readAllBytes(dir / "loadout.dat"), demogen::buildDemoLoadout());
}

INSTANTIATE_TEST_SUITE_P(Answers, ClosingTest,
    ::testing::Values(ClosingCase{"NothingChanged", false, std::nullopt, true, false},
        ClosingCase{"Save", true, common::Answer::Save, true, true},
        ClosingCase{"Discard", true, common::Answer::Discard, true, false},
        ClosingCase{"Cancel", true, common::Answer::Cancel, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadoutEditorWindowTest, AfterSavingTheCloseBoxAsksNothing)
{
    open(demogen::buildDemoLoadout());
    choose(0);
    type("IFD_0", "9");
    click("Command12");
    click("Command2");
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(dialogs->texts().isEmpty()) << dialogs->texts().join("\n").toStdString();
}

TEST_F(LoadoutEditorWindowTest, ReplacingWritesTheFileLoadedWhateverOtherSpellingsLieBeside)
{
    auto upper = demogen::buildDemoLoadout();
    upper[100] = 1;
    writeAllBytes(dir / "LOADOUT.DAT", upper);
    open(demogen::buildDemoLoadout()); // as loadout.dat
    choose(0);
    type("IFD_0", "9");
    click("Command12");
    get<QCheckBox>("Check1")->setChecked(true);
    click("Command2");
    EXPECT_TRUE(dialogs->texts().isEmpty()) << dialogs->texts().join("\n").toStdString();
    EXPECT_EQ(readAllBytes(dir / "loadout.dat")[recordOffset(0, 8)], 9);
    EXPECT_EQ(readAllBytes(dir / "LOADOUT.DAT"), upper);
}

// Another program rewrote the file loaded before Replace saves over it.
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

class ChangedOnDiskTest : public LoadoutEditorWindowTest, public ::testing::WithParamInterface<ChangedOnDisk> {};

TEST_P(ChangedOnDiskTest, SaveAsksBeforeOverwritingAndDoesWhatIsAnswered)
{
    const ChangedOnDisk& c = GetParam();
    open(demogen::buildDemoLoadout());
    choose(0);
    type("IFD_0", "9");
    click("Command12");
    get<QCheckBox>("Check1")->setChecked(true);
    auto theirs = demogen::buildDemoLoadout();
    theirs[100] = static_cast<std::uint8_t>(theirs[100] + 1);
    writeAllBytes(dir / "loadout.dat", theirs);
    fs::last_write_time(dir / "loadout.dat", fs::last_write_time(dir / "loadout.dat") + std::chrono::seconds(5));

    dialogs->answers.push_back(c.answer);
    click("Command2");
    ASSERT_EQ(dialogs->texts().size(), 1);
    EXPECT_TRUE(dialogs->texts()[0].startsWith("The file \"loadout.dat\" was changed on disk by another program"))
        << dialogs->texts()[0].toStdString();
    EXPECT_EQ(dialogs->events[0].buttons, common::CancellableQuestion::OverwriteReloadCancel);
    const auto onDisk = readAllBytes(dir / "loadout.dat");
    EXPECT_EQ(onDisk[recordOffset(0, 8)] == 9, c.overwritten);
    EXPECT_EQ(onDisk[100] == theirs[100], !c.overwritten);
    EXPECT_EQ(window->isWindowModified(), !c.overwritten && !c.reloaded);
    if (c.reloaded) {
        EXPECT_TRUE(changed().empty());
        EXPECT_EQ(window->image().loadedText(101), std::to_string(theirs[100]));
    }

    // Once overwritten or reloaded, the window knows the file as it is: no question again.
    if (c.overwritten || c.reloaded) {
        type("IFD_0", "8");
        click("Command12");
        click("Command2");
        EXPECT_EQ(dialogs->texts().size(), 1) << dialogs->texts().join("\n").toStdString();
        EXPECT_EQ(readAllBytes(dir / "loadout.dat")[recordOffset(0, 8)], 8);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, ChangedOnDiskTest,
    ::testing::Values(ChangedOnDisk{"Overwrite", common::Answer::Overwrite, true, false},
        ChangedOnDisk{"Reload", common::Answer::Reload, false, true},
        ChangedOnDisk{"Cancel", common::Answer::Cancel, false, false}));

// A target that cannot be written is named with the reason.
struct RefusedWrite {
    const char* name;
    const char* command;
};

void PrintTo(const RefusedWrite& c, std::ostream* os)
{
    *os << c.name;
}

class RefusedWriteTest : public LoadoutEditorWindowTest, public ::testing::WithParamInterface<RefusedWrite> {};

TEST_P(RefusedWriteTest, NamesTheFileAndSaysAccessIsDenied)
{
    // A folder where the file should go is refused however privileged the user.
    fs::create_directory(dir / GetParam().name);
    writeAllBytes(dir / "Loadout.001", demogen::buildDemoLoadout());
    open(demogen::buildDemoLoadout());
    ASSERT_TRUE(window->LoadLoadout(path(dir / "Loadout.001")));
    choose(0);
    type("IFD_0", "9");
    click("Command12");
    get<QCheckBox>("Check1")->setChecked(true);
    dialogs->files.push_back(path(dir / GetParam().name));
    click(GetParam().command);
    ASSERT_EQ(dialogs->texts().size(), 1);
    EXPECT_TRUE(dialogs->texts()[0].contains(GetParam().name)) << dialogs->texts()[0].toStdString();
    EXPECT_TRUE(dialogs->texts()[0].contains("File access denied")) << dialogs->texts()[0].toStdString();
    EXPECT_TRUE(window->hasUnsavedChanges());
}

INSTANTIATE_TEST_SUITE_P(Targets, RefusedWriteTest,
    ::testing::Values(RefusedWrite{"Loadout.dat", "Command2"}, RefusedWrite{"changes.lox", "Command9"}),
    [](const auto& info) { return std::string(info.param.command); });

TEST_F(LoadoutEditorWindowTest, AListedFileWhoseNameIsNotUtf8Loads)
{
    const fs::path odd = dir / std::string("loadout.\xe9t\xe9");
    writeAllBytes(odd, demogen::buildDemoLoadout());
    window = std::make_unique<LoadoutEditorWindow>(dir.path());
    window->show();
    QApplication::processEvents(); // the start-up dialog, cancelled

    auto* files = get<QListWidget>("File1");
    ASSERT_EQ(files->count(), 1);
    const QRect place = files->visualItemRect(files->item(0));
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, place.center());
    EXPECT_TRUE(dialogs->texts().isEmpty()) << dialogs->texts().join("\n").toStdString();
    EXPECT_EQ(window->image().size(), demogen::kDemoLoadoutSize);
}

TEST_F(LoadoutEditorWindowTest, LongNamesAndLargePositionsShowWholeInACentredWindow)
{
    auto planes = demogen::demoPlaneNames();
    planes[0] = "Lockheed P-38H Lightning long-range escort fighter";
    common::writeAllText(dir / "Planes.txt", common::joinCrlfLines(planes));
    auto bytes = demogen::buildDemoLoadout();
    bytes.resize(10'000'000, 0); // positions of eight digits
    open(bytes);

    // The widths the views' own cells ask for.
    const auto* list = get<QTableWidget>("RG");
    page(0);
    EXPECT_GE(list->viewport()->width(), static_cast<const QAbstractItemView*>(list)->sizeHintForColumn(1));
    auto* table = get<ByteTableView>("BG");
    table->scrollToBottom();
    QApplication::processEvents();
    EXPECT_GE(table->columnWidth(0), static_cast<const QAbstractItemView*>(table)->sizeHintForColumn(0));

    const QPoint centre = window->screen()->availableGeometry().center();
    // Off by no more than the frame, whose margins are unknown until shown.
    EXPECT_LE((window->geometry().center() - centre).manhattanLength(), 8)
        << window->geometry().center().x() << "," << window->geometry().center().y();
}

// Both value columns of positions first ... last, to compare whole stretches.
std::vector<std::pair<std::string, std::string>> columns(const LoadoutImage& image, std::size_t first, std::size_t last)
{
    std::vector<std::pair<std::string, std::string>> values;
    for (std::size_t p = first; p <= last; ++p)
        values.emplace_back(image.loadedText(p), image.currentText(p));
    return values;
}

TEST_F(LoadoutEditorWindowTest, UndoOfAnInsertRestoresBothColumnsAndRedoRedoesIt)
{
    open(demogen::buildDemoLoadout());
    // An edit behind the insert, so the moved current values differ from the loaded ones.
    choose(12);
    type("IFD_0", "77");
    click("Command12");
    const auto before = columns(window->image(), 1, 7928);

    choose(10);
    click("Command5");
    const auto inserted = columns(window->image(), 1, 7928);
    ASSERT_NE(inserted, before);

    click("Undo");
    EXPECT_EQ(columns(window->image(), 1, 7928), before);
    EXPECT_EQ(row(), 10);
    EXPECT_EQ(get<QLabel>("Label7")->text(), get<QTableWidget>("RG")->item(10, 1)->text());

    click("Redo");
    EXPECT_EQ(columns(window->image(), 1, 7928), inserted);
    EXPECT_EQ(row(), 11);

    // Both steps undone: the image is as loaded again and nothing was written.
    click("Undo");
    click("Undo");
    EXPECT_TRUE(changed().empty());
    EXPECT_FALSE(window->hasUnsavedChanges());
    EXPECT_FALSE(fs::exists(dir / "Loadout.001"));
}

TEST_F(LoadoutEditorWindowTest, UndoOfOkRestoresTheSlotBytes)
{
    open(demogen::buildDemoLoadout());
    choose(3);
    auto* weapon = get<QComboBox>("Weapon_0");
    const int loadedWeapon = weapon->currentIndex();
    const QString loadedIfd = text("IFD_0");
    weapon->setCurrentIndex((loadedWeapon + 1) % weapon->count());
    type("IFD_0", "123");
    click("Command12");
    const std::set<std::size_t> edited = changed();
    ASSERT_EQ(edited.size(), 2u);

    click("Undo");
    EXPECT_TRUE(changed().empty());
    EXPECT_EQ(weapon->currentIndex(), loadedWeapon); // the editor shows the record as it is again
    EXPECT_EQ(text("IFD_0"), loadedIfd);

    click("Redo");
    EXPECT_EQ(changed(), edited);
    EXPECT_EQ(text("IFD_0"), "123");
}

TEST_F(LoadoutEditorWindowTest, TitleAndUnsavedQuestionFollowTheUndoHistory)
{
    open(demogen::buildDemoLoadout());
    EXPECT_TRUE(window->windowTitle().startsWith("loadout.dat[*]")) << window->windowTitle().toStdString();
    EXPECT_FALSE(window->isWindowModified());

    choose(0);
    type("IFD_0", "9");
    click("Command12");
    EXPECT_TRUE(window->isWindowModified());
    click("Undo");
    EXPECT_FALSE(window->isWindowModified());

    click("Redo");
    click("Command2");
    EXPECT_FALSE(window->isWindowModified()); // saving leaves the history but marks it saved
    EXPECT_TRUE(get<QStatusBar>("statusBar")->currentMessage().contains("Loadout.001"));
    click("Undo");
    EXPECT_TRUE(window->isWindowModified());
    dialogs->answers.push_back(common::Answer::Cancel);
    click("Command3");
    EXPECT_EQ(dialogs->texts().size(), 1);
    EXPECT_TRUE(window->isVisible());

    click("Redo"); // back at what Loadout.001 holds
    EXPECT_TRUE(window->close());
    EXPECT_EQ(dialogs->texts().size(), 1);
}

TEST_F(LoadoutEditorWindowTest, KeysSaveUndoAndQuitThroughTheButtonsPaths)
{
    open(demogen::buildDemoLoadout());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    choose(0);
    type("IFD_0", "9");
    click("Command12");
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(fs::exists(dir / "Loadout.001"));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text("IFD_0"), QString::fromStdString(window->image().loadedText(13)));
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(dialogs->texts().size(), 1); // the unsaved undo is asked about
    EXPECT_TRUE(window->isVisible());
}

TEST_F(LoadoutEditorWindowTest, SaveBlockNamesTheScriptInTheStatusLine)
{
    open(demogen::buildDemoLoadout());
    dialogs->files.push_back(path(dir / "changes.lox"));
    click("Command9");
    EXPECT_TRUE(get<QStatusBar>("statusBar")->currentMessage().contains(path(dir / "changes.lox")));
}

TEST_F(LoadoutEditorWindowTest, EachDialogStartsInTheFolderItLastChoseFrom)
{
    const fs::path mods = dir / "mods";
    fs::create_directory(mods);
    writeAllBytes(mods / "loadout.dat", demogen::buildDemoLoadout());
    open(demogen::buildDemoLoadout());
    dialogs->files.push_back(path(mods / "loadout.dat"));
    click("Command4");
    ASSERT_EQ(get<QLabel>("ldf")->text(), "loadout.dat");

    click("Command9"); // cancelled: the script dialog keeps its own folder
    EXPECT_EQ(dialogs->events.back().request.directory, path(dir.path()));

    // The next run's first dialog opens where the last loadout came from.
    window = std::make_unique<LoadoutEditorWindow>(dir.path());
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(dialogs->events.back().request.title, "Load Loadout");
    EXPECT_EQ(QDir(dialogs->events.back().request.directory), QDir(path(mods)));
}

TEST_F(LoadoutEditorWindowTest, AClickInTheByteTableMakesThatByteCurrent)
{
    auto bytes = demogen::buildDemoLoadout();
    bytes.resize(1'000'000, 7);
    open(bytes);
    page(0);
    auto* table = get<ByteTableView>("BG");
    table->scrollToBottom();
    const QModelIndex last = table->model()->index(999'999, ByteTableModel::LoadedColumn);
    const QRect cell = table->visualRect(last);
    ASSERT_TRUE(table->viewport()->rect().contains(cell.center()));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(table->currentIndex(), last);
    EXPECT_EQ(last.data().toString(), "7");
}

// The real program, as a user starts it.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { demogen::writeDemoInstallation(dir.path()); }

    // Exit code of the program (-1 when it did not end); its error output
    // goes to `errors`.
    int run(const QStringList& arguments, QString& errors)
    {
        // Its remembered folders in the test's folder, not the user's settings.
        const common::ProgramRun result = common::runProgram(ORDNIX_EXE, dir.path(), arguments,
            {{QStringLiteral("XDG_CONFIG_HOME"), path(dir / "settings")}});
        errors = QString::fromStdString(result.standardError);
        return result.finished ? result.exitCode : -1;
    }

    common::TempDir dir;
};

TEST_F(ProgramTest, ScreenshotWithAFileShowsItWithoutAsking)
{
    QString errors;
    ASSERT_EQ(run({"loadout.dat", "--screenshot", "shot.png"}, errors), 0) << errors.toStdString();
    EXPECT_FALSE(errors.contains("dialog")) << errors.toStdString();
    EXPECT_FALSE(errors.contains("message")) << errors.toStdString();
    EXPECT_GT(fs::file_size(dir / "shot.png"), 1000u);
}

TEST_F(ProgramTest, WithoutAFileItOffersTheOpenDialog)
{
    QString errors;
    ASSERT_EQ(run({"--screenshot", "shot.png"}, errors), 0) << errors.toStdString();
    EXPECT_TRUE(errors.contains("open dialog (cancelled): Load Loadout")) << errors.toStdString();
    EXPECT_TRUE(fs::exists(dir / "shot.png"));
}

TEST_F(ProgramTest, AMissingFileIsReportedAndTheProgramStillRuns)
{
    QString errors;
    ASSERT_EQ(run({"nothing.dat", "--screenshot", "shot.png"}, errors), 0) << errors.toStdString();
    EXPECT_TRUE(errors.contains("nothing.dat")) << errors.toStdString();
    EXPECT_TRUE(fs::exists(dir / "shot.png"));
}

// Another style and a larger font (a desktop's dark scheme with Fusion):
// the column still shows "Replace Loadout.dat" and its buttons whole.
TEST(CommandColumnLayout, ShowsItsTextsWholeUnderAnotherStyleAndALargerFont)
{
    const QString styleBefore = QApplication::style()->name();
    const QFont fontBefore = QApplication::font();
    QApplication::setStyle("Fusion");
    QFont larger = fontBefore;
    larger.setPointSizeF(fontBefore.pointSizeF() * 1.6);
    QApplication::setFont(larger);
    {
        CommandColumn column;
        column.show();
        QApplication::processEvents();
        for (QAbstractButton* control : column.findChildren<QAbstractButton*>()) {
            if (control->text().isEmpty())
                continue;
            EXPECT_GE(control->width(), control->sizeHint().width()) << control->text().toStdString();
            EXPECT_TRUE(column.rect().contains(control->geometry())) << control->text().toStdString();
        }
    }
    QApplication::setFont(fontBefore);
    QApplication::setStyle(styleBefore);
}


// A screen reader hears each control by its label, and no two alike.
TEST_F(LoadoutEditorWindowTest, EveryControlHasTheAccessibleNameOfItsLabel)
{
    open(demogen::buildDemoLoadout());
    common::nameControlsByLabels(*window);
    EXPECT_EQ(common::accessibleNameFaults(*window).join("\n").toStdString(), "");
}

} // namespace
} // namespace ordnix
