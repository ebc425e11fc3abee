// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortiekit/ui/BasesWindow.h"

#include "common/testing/AccessibleNameCheck.h"
#include "common/ui/AccessibleNames.h"
#include "common/testing/ScriptedDialogs.h"
#include "common/testing/TempDir.h"
#include "common/testing/WindowKeys.h"
#include "tools/demogen/SortiekitDemo.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace sortiekit {
namespace {

namespace fs = std::filesystem;
using common::readAllBytes;
using common::writeAllBytes;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t recordAt(int number)
{
    return 24 + 44 * static_cast<std::size_t>(number);
}

Bytes slotField(const Bytes& image, int number)
{
    const auto at = image.begin() + static_cast<std::ptrdiff_t>(recordAt(number));
    return Bytes(at, at + 9);
}

class BasesWindowTest : public testing::Test {
protected:
    void writeDemo()
    {
        common::writeAllText(dir / "airbase.txt", demogen::buildAirbaseTxt());
        writeAllBytes(dir / "airfield.bak", demogen::buildAirfieldBak());
    }

    std::unique_ptr<BasesWindow> open()
    {
        auto window = std::make_unique<BasesWindow>(QString::fromStdString(dir.path().string()));
        window->show();
        return window;
    }

    template <class T> static T* child(QWidget& w, const QString& name)
    {
        T* c = w.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }

    static QListWidget* bases(QWidget& w, int slot) { return child<QListWidget>(w, QString("lstBases_%1").arg(slot)); }

    static void pick(QWidget& w, int slot, int row, Qt::KeyboardModifiers modifiers = {})
    {
        QListWidget* l = bases(w, slot);
        l->scrollToItem(l->item(row));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, modifiers, l->visualItemRect(l->item(row)).center());
    }

    static void click(QWidget& w, const char* button) { QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton); }

    common::TempDir dir;
    common::ScopedScriptedDialogs dlg;
};

TEST_F(BasesWindowTest, OpensWithTheFourHeadingsAndTheStandardBasesChosen)
{
    writeDemo();
    auto w = open();
    EXPECT_EQ(w->objectName(), "frmMain");
    EXPECT_EQ(w->windowTitle(), "airfield.dat[*] — Airfield Selector — Sortiekit");
    EXPECT_EQ(child<QLabel>(*w, "Label1")->text(), "Allied Base 1");
    EXPECT_EQ(child<QLabel>(*w, "Label2")->text(), "Allied  Base 2");
    EXPECT_EQ(child<QLabel>(*w, "Label3_0")->text(), "Luftwaffe Base 1");
    EXPECT_EQ(child<QLabel>(*w, "Label3_1")->text(), "Luftwaffe Base 2");
    EXPECT_EQ(child<QPushButton>(*w, "cmdSave")->text(), "&Save Selection");
    EXPECT_EQ(child<QPushButton>(*w, "cmdCancel")->text(), "Standard &Vantor");
    const int preselected[] = {98, 63, 158, 7};
    for (int s = 0; s < 4; ++s) {
        ASSERT_EQ(bases(*w, s)->count(), 162);
        EXPECT_EQ(bases(*w, s)->currentRow(), preselected[s]);
        EXPECT_EQ(bases(*w, s)->item(63)->text(), "Manston, Kent");
    }
    EXPECT_TRUE(dlg->events.empty());
    EXPECT_FALSE(fs::exists(dir / "airfield.dat"));
    EXPECT_TRUE(child<QLabel>(*w, "lblStatus")->text().contains("standard bases"));
}

TEST_F(BasesWindowTest, AChangedChoiceIsMarkedUntilCtrlSSavesItAndCtrlQCloses)
{
    writeDemo();
    auto w = open();
    EXPECT_FALSE(w->isWindowModified());
    pick(*w, 1, 12);
    EXPECT_TRUE(w->isWindowModified());

    ASSERT_TRUE(common::pressKeys(*w, QKeySequence("Ctrl+S")));
    const Bytes image = readAllBytes(dir / "airfield.dat");
    EXPECT_EQ(slotField(image, demogen::demoAirfieldNumber(12)), (Bytes{9, 0, 9, 0, 9, 0, 9, 0, 0}));
    EXPECT_FALSE(w->isWindowModified());
    const QString status = child<QLabel>(*w, "lblStatus")->text();
    EXPECT_TRUE(status.contains(QDir::toNativeSeparators(QString::fromStdString((dir / "airfield.dat").string()))))
        << status.toStdString();

    ASSERT_TRUE(common::pressKeys(*w, QKeySequence("Ctrl+Q")));
    EXPECT_FALSE(w->isVisible());
}

// An airfield.dat another tool wrote may mark an airfield with a value no
// base slot has: the status line names it, and nothing is changed for it.
TEST_F(BasesWindowTest, AnUnknownSlotValueInAirfieldDatIsNamedInTheStatusLine)
{
    writeDemo();
    Bytes image = demogen::buildAirfieldBak();
    image[recordAt(5) + 2] = 4;
    image[recordAt(5) + 3] = 0;
    writeAllBytes(dir / "airfield.dat", image);
    auto w = open();
    const QString status = child<QLabel>(*w, "lblStatus")->text();
    EXPECT_TRUE(status.startsWith("airfield.dat is present")) << status.toStdString();
    EXPECT_TRUE(status.contains("\nNot known to the game: airfield 5 slotValue2: 4 ")) << status.toStdString();
    EXPECT_EQ(readAllBytes(dir / "airfield.dat"), image);
}

TEST_F(BasesWindowTest, SavesTheChosenBasesThenGoesBackToStandard)
{
    writeDemo();
    auto w = open();
    pick(*w, 0, 45);
    pick(*w, 3, 140);
    click(*w, "cmdSave");
    ASSERT_TRUE(dlg->events.empty()) << dlg->texts().join("\n").toStdString();

    const Bytes image = readAllBytes(dir / "airfield.dat");
    const Bytes master = demogen::buildAirfieldBak();
    ASSERT_EQ(image.size(), master.size());
    EXPECT_EQ(slotField(image, demogen::demoAirfieldNumber(45)), (Bytes{7, 0, 7, 0, 7, 0, 7, 0, 0}));
    EXPECT_EQ(slotField(image, demogen::demoAirfieldNumber(63)), (Bytes{9, 0, 9, 0, 9, 0, 9, 0, 0}));
    EXPECT_EQ(slotField(image, demogen::demoAirfieldNumber(158)), (Bytes{2, 0, 2, 0, 2, 0, 2, 0, 0}));
    EXPECT_EQ(slotField(image, demogen::demoAirfieldNumber(140)), (Bytes{2, 0, 2, 0, 2, 0, 2, 0, 0}));
    // The standard Allied Base 1 of the master copy is no base any more.
    EXPECT_EQ(Bytes(image.begin() + static_cast<std::ptrdiff_t>(recordAt(demogen::demoAirfieldNumber(98))),
                  image.begin() + static_cast<std::ptrdiff_t>(recordAt(demogen::demoAirfieldNumber(98)) + 8)),
        Bytes(8, 0xFF));
    EXPECT_TRUE(child<QLabel>(*w, "lblStatus")->text().contains("North Weald"));

    click(*w, "cmdCancel");
    EXPECT_FALSE(fs::exists(dir / "airfield.dat"));
    EXPECT_EQ(readAllBytes(dir / "airfield.bak"), master);
    click(*w, "cmdCancel"); // nothing left to remove: nothing happens
    EXPECT_TRUE(dlg->events.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

struct WindowRefusal {
    const char* name;
    std::function<void(const fs::path&)> prepare;
    std::function<void(QWidget&)> choose;
    const char* message;
    bool atStartUp;
};

void PrintTo(const WindowRefusal& c, std::ostream* os)
{
    *os << c.name;
}

class SortiekitRefusal : public BasesWindowTest, public testing::WithParamInterface<std::tuple<WindowRefusal, bool>> {
public:
    using BasesWindowTest::pick;
};

std::string withLine(int entry, const std::string& line)
{
    std::string text = demogen::buildAirbaseTxt();
    std::size_t start = 0;
    for (int i = 0; i < entry; ++i)
        start = text.find("\r\n", start) + 2;
    text.replace(start, text.find("\r\n", start) - start, line);
    return text;
}

// Each refusal is said in a message, and airfield.dat stays byte for byte
// as it was (or absent).
TEST_P(SortiekitRefusal, SaysWhyAndLeavesAirfieldDatAsItWas)
{
    const auto& [refusal, datPresent] = GetParam();
    writeDemo();
    const Bytes old{'m', 'o', 'd', 'd', 'e', 'd'};
    if (datPresent)
        writeAllBytes(dir / "airfield.dat", old);
    refusal.prepare(dir.path());

    auto w = open();
    if (refusal.atStartUp) {
        ASSERT_EQ(dlg->texts().size(), 1);
        EXPECT_FALSE(child<QPushButton>(*w, "cmdSave")->isEnabled());
    } else {
        EXPECT_TRUE(dlg->texts().isEmpty());
        refusal.choose(*w);
    }
    click(*w, "cmdSave");

    ASSERT_EQ(dlg->texts().size(), 1);
    EXPECT_TRUE(dlg->texts()[0].contains(refusal.message)) << dlg->texts()[0].toStdString();
    if (datPresent)
        EXPECT_EQ(readAllBytes(dir / "airfield.dat"), old);
    else
        EXPECT_FALSE(fs::exists(dir / "airfield.dat"));
}

const auto noChoice = [](QWidget&) {};

INSTANTIATE_TEST_SUITE_P(Cases, SortiekitRefusal,
    testing::Combine(
        testing::Values(
            WindowRefusal{"MissingAirbaseTxt", [](const fs::path& d) { fs::remove(d / "airbase.txt"); }, noChoice,
                "airbase.txt was not found", true},
            WindowRefusal{"ShortAirbaseTxt",
                [](const fs::path& d) {
                    std::string text = demogen::buildAirbaseTxt();
                    text.erase(text.rfind("\r\n", text.size() - 3) + 2);
                    common::writeAllText(d / "airbase.txt", text);
                },
                noChoice, "holds only 161 of the 162", true},
            WindowRefusal{"NumberDoesNotFit",
                [](const fs::path& d) { common::writeAllText(d / "airbase.txt", withLine(12, "Florennes,18000")); },
                [](QWidget& w) { SortiekitRefusal::pick(w, 2, 12); },
                "\"18000\", does not fit in 16 bits", false},
            WindowRefusal{"NumberAbove161",
                [](const fs::path& d) { common::writeAllText(d / "airbase.txt", withLine(12, "Florennes, a2")); },
                [](QWidget& w) { SortiekitRefusal::pick(w, 1, 12); },
                "Florennes has the number 162", false},
            WindowRefusal{"MissingAirfieldBak", [](const fs::path& d) { fs::remove(d / "airfield.bak"); }, noChoice,
                "airfield.bak was not found", false},
            WindowRefusal{"NameStartsWithNul",
                [](const fs::path& d) {
                    common::writeAllText(d / "airbase.txt", withLine(12, std::string("\0Florennes, a2", 14)));
                },
                [](QWidget& w) { SortiekitRefusal::pick(w, 1, 12); }, "Florennes has the number 162", false},
            WindowRefusal{"ListLeftWithoutChoice", [](const fs::path&) {},
                [](QWidget& w) { SortiekitRefusal::pick(w, 1, 63, Qt::ControlModifier); },
                "No airfield is chosen for Allied  Base 2.", false}),
        testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "_WithDat" : "_WithoutDat");
    });

struct FileFailure {
    const char* name;
    const char* folder; // stands where the file should be
    const char* button;
    const char* message;
};

void PrintTo(const FileFailure& c, std::ostream* os)
{
    *os << c.name;
}

class SortiekitFileFailure : public BasesWindowTest, public testing::WithParamInterface<FileFailure> {};

// The message names the file that failed and says why in words; a folder in
// the place of a file is refused whoever runs the test.
TEST_P(SortiekitFileFailure, NamesTheFileAndTheReason)
{
    writeDemo();
    fs::remove(dir / GetParam().folder);
    fs::create_directories(dir / GetParam().folder / "inside");
    auto w = open();
    if (std::string(GetParam().folder) == "airfield.dat") {
        EXPECT_TRUE(child<QLabel>(*w, "lblStatus")->text().startsWith("A folder is named airfield.dat"));
    }
    click(*w, GetParam().button);
    ASSERT_EQ(dlg->texts().size(), 1);
    const QString text = dlg->texts()[0];
    EXPECT_TRUE(text.contains(GetParam().message)) << text.toStdString();
    EXPECT_FALSE(text.contains("I/O error")) << text.toStdString();
    EXPECT_TRUE(fs::exists(dir / GetParam().folder / "inside"));
}

INSTANTIATE_TEST_SUITE_P(Cases, SortiekitFileFailure,
    testing::Values(FileFailure{"MasterCopyIsAFolder", "airfield.bak", "cmdSave", "airfield.bak: File access denied"},
        FileFailure{"SavingOverAFolder", "airfield.dat", "cmdSave", "airfield.dat: File access denied"},
        FileFailure{"RemovingAFolder", "airfield.dat", "cmdCancel", "airfield.dat: File access denied"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BasesWindowTest, StandardStillWorksWithoutAirbaseTxt)
{
    writeAllBytes(dir / "airfield.dat", {1, 2, 3});
    auto w = open();
    ASSERT_EQ(dlg->texts().size(), 1);
    click(*w, "cmdCancel");
    EXPECT_FALSE(fs::exists(dir / "airfield.dat"));
    EXPECT_EQ(dlg->texts().size(), 1);
}


// A screen reader hears each control by its label, and no two alike.
TEST_F(BasesWindowTest, EveryControlHasTheAccessibleNameOfItsLabel)
{
    writeDemo();
    auto window = open();
    common::nameControlsByLabels(*window);
    EXPECT_EQ(common::accessibleNameFaults(*window).join("\n").toStdString(), "");
}

} // namespace
} // namespace sortiekit
