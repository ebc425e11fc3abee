// SPDX-License-Identifier: GPL-3.0-or-later
#include "rosterly/ui/SquadronWindow.h"

#include "common/testing/AccessibleNameCheck.h"
#include "common/ui/AccessibleNames.h"
#include "common/testing/ScriptedDialogs.h"
#include "common/testing/TempDir.h"
#include "common/testing/WindowKeys.h"
#include "tools/demogen/RosterlyDemo.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace rosterly {
namespace {

using common::readAllBytes;
using common::writeAllBytes;

std::string numberedPlanes(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "Plane " + std::to_string(i) + "\r\n";
    return text;
}

class SquadronWindowTest : public testing::Test {
protected:
    QString path(const char* name) const { return QString::fromStdString((dir / name).string()); }

    std::unique_ptr<SquadronWindow> open()
    {
        auto window = std::make_unique<SquadronWindow>(QString::fromStdString(dir.path().string()));
        window->show();
        return window;
    }

    template <class T> static T* child(QWidget& w, const char* name)
    {
        T* c = w.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    void load(QWidget& w, const char* name)
    {
        dlg->files.push_back(path(name));
        QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
    }

    // Clicks a list entry as the user would.
    static void pick(QWidget& w, const char* list, int row)
    {
        auto* l = child<QListWidget>(w, list);
        ASSERT_LT(row, l->count()) << list;
        l->scrollToItem(l->item(row));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }

    static QString text(QWidget& w, const char* label) { return child<QLabel>(w, label)->text(); }
    static bool enabled(QWidget& w, const char* name) { return child<QWidget>(w, name)->isEnabled(); }

    common::TempDir dir;
    common::ScopedScriptedDialogs dlg;
};

TEST_F(SquadronWindowTest, StartsWithTheThreeAircraftListsFilledAndDisabled)
{
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    auto w = open();
    auto* us = child<QListWidget>(*w, "List2");
    auto* uk = child<QListWidget>(*w, "List3");
    auto* gr = child<QListWidget>(*w, "List4");
    EXPECT_EQ(us->count(), 9);
    EXPECT_EQ(uk->count(), 7);
    EXPECT_EQ(gr->count(), 14);
    EXPECT_EQ(us->item(0)->text(), "P-38H Lightning");
    EXPECT_EQ(uk->item(0)->text(), "Hurricane IIc");
    EXPECT_EQ(gr->item(13)->text(), "V-1");
    EXPECT_FALSE(us->isEnabled() || uk->isEnabled() || gr->isEnabled());
    EXPECT_FALSE(enabled(*w, "Command2"));
    EXPECT_EQ(child<QPushButton>(*w, "Command1")->text(), "&Load Sqd");
    EXPECT_EQ(child<QPushButton>(*w, "Command2")->text(), "&OK Rosterly!");
    EXPECT_EQ(text(*w, "Label1"), "");
    EXPECT_TRUE(dlg->events.empty());
}

TEST_F(SquadronWindowTest, GermanFileOffersOnlyGermanAircraftAndThirdIsCode18)
{
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    writeAllBytes(dir / "sqgr0001.dat", demogen::buildSquadronFile({16, 24, 30, 255, 29}, 1));
    auto w = open();
    load(*w, "sqgr0001.dat");

    ASSERT_EQ(dlg->events.size(), 1u);
    EXPECT_EQ(dlg->events[0].request.directory, QString::fromStdString(dir.path().string()));
    EXPECT_TRUE(dlg->events[0].request.filter.contains("sq*.dat"));
    EXPECT_EQ(text(*w, "Label1"), path("sqgr0001.dat"));
    auto* records = child<QListWidget>(*w, "List1");
    ASSERT_EQ(records->count(), 5);
    EXPECT_EQ(records->item(0)->text(), "Bf 109E");
    EXPECT_EQ(records->item(1)->text(), "Me 262A");
    EXPECT_EQ(records->item(2)->text(), "Error");
    EXPECT_EQ(records->item(3)->text(), "Error");
    EXPECT_EQ(records->item(4)->text(), "V-1");

    EXPECT_FALSE(enabled(*w, "List2"));
    EXPECT_FALSE(enabled(*w, "List3"));
    EXPECT_TRUE(enabled(*w, "List4"));
    pick(*w, "List2", 1); // disabled: the click must go nowhere
    EXPECT_EQ(text(*w, "Label3"), "");
    pick(*w, "List4", 2);
    EXPECT_EQ(text(*w, "Label3"), "18");
}

// Codes no squadron may fly are named in the status line after a load and
// after each write, until none is left; they are never refused.
TEST_F(SquadronWindowTest, CodesBeyondTheAircraftAreNamedInTheStatusLineUntilReplaced)
{
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    writeAllBytes(dir / "sqgr0001.dat", demogen::buildSquadronFile({16, 30, 29}, 1));
    auto w = open();
    load(*w, "sqgr0001.dat");
    const QString notice = "Not known to the game: record 2 aircraft: 30 is not an aircraft a squadron may fly "
                           "(0-29); Rosterly lists it as Error.";
    EXPECT_TRUE(text(*w, "lblStatus").endsWith("\n" + notice)) << text(*w, "lblStatus").toStdString();

    pick(*w, "List1", 1);
    pick(*w, "List4", 2);
    QTest::mouseClick(child<QPushButton>(*w, "Command2"), Qt::LeftButton);
    EXPECT_TRUE(text(*w, "lblStatus").startsWith("Wrote aircraft code 18")) << text(*w, "lblStatus").toStdString();
    EXPECT_FALSE(text(*w, "lblStatus").contains("Not known")) << text(*w, "lblStatus").toStdString();
}

TEST_F(SquadronWindowTest, WritesTheChosenAircraftIntoTheSelectedRecordOnly)
{
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    const auto before = demogen::buildSquadronFile({15, 14, 13, 12}, 2);
    writeAllBytes(dir / "squk0001.dat", before);
    auto w = open();
    load(*w, "squk0001.dat");

    pick(*w, "List1", 2);
    EXPECT_EQ(text(*w, "Label2"), "255");
    EXPECT_FALSE(enabled(*w, "Command2")) << "no aircraft chosen yet";
    pick(*w, "List3", 0);
    EXPECT_EQ(text(*w, "Label3"), "9");
    ASSERT_TRUE(enabled(*w, "Command2"));
    QTest::mouseClick(child<QPushButton>(*w, "Command2"), Qt::LeftButton);

    auto expected = before;
    expected[254] = 9;
    EXPECT_EQ(readAllBytes(dir / "squk0001.dat"), expected);
    EXPECT_EQ(child<QListWidget>(*w, "List1")->item(2)->text(), "Hurricane IIc");
    EXPECT_TRUE(dlg->texts().isEmpty());

    // Loading the file again shows what was written.
    load(*w, "squk0001.dat");
    EXPECT_EQ(child<QListWidget>(*w, "List1")->item(2)->text(), "Hurricane IIc");
    EXPECT_EQ(child<QListWidget>(*w, "List1")->item(1)->text(), "Tempest V");
}

TEST_F(SquadronWindowTest, FileOfNoKnownAirForceListsButOffersNoAircraft)
{
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    const auto before = demogen::buildSquadronFile({3, 4}, 5);
    writeAllBytes(dir / "sqfr0001.dat", before);
    auto w = open();
    load(*w, "sqfr0001.dat");

    EXPECT_EQ(child<QListWidget>(*w, "List1")->count(), 2);
    EXPECT_FALSE(enabled(*w, "List2") || enabled(*w, "List3") || enabled(*w, "List4"));
    pick(*w, "List1", 0);
    EXPECT_EQ(text(*w, "Label2"), "7");
    EXPECT_FALSE(enabled(*w, "Command2"));
    QTest::mouseClick(child<QPushButton>(*w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(readAllBytes(dir / "sqfr0001.dat"), before);
}

TEST_F(SquadronWindowTest, AChoiceMadeForOneFileIsNeverWrittenIntoTheNext)
{
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    const auto first = demogen::buildSquadronFile({16, 17, 18}, 6);
    const auto second = demogen::buildSquadronFile({20, 21, 22}, 7);
    writeAllBytes(dir / "sqgr0001.dat", first);
    writeAllBytes(dir / "sqgr0002.dat", second);
    auto w = open();
    load(*w, "sqgr0001.dat");
    pick(*w, "List1", 1);
    pick(*w, "List4", 5);
    ASSERT_TRUE(enabled(*w, "Command2"));

    load(*w, "sqgr0002.dat");
    EXPECT_EQ(text(*w, "Label1"), path("sqgr0002.dat"));
    EXPECT_EQ(text(*w, "Label2"), "");
    EXPECT_EQ(text(*w, "Label3"), "");
    EXPECT_EQ(child<QListWidget>(*w, "List4")->currentRow(), -1);
    EXPECT_TRUE(enabled(*w, "List4"));
    EXPECT_FALSE(enabled(*w, "Command2"));
    QTest::mouseClick(child<QPushButton>(*w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(readAllBytes(dir / "sqgr0001.dat"), first);
    EXPECT_EQ(readAllBytes(dir / "sqgr0002.dat"), second);
}

TEST_F(SquadronWindowTest, CancellingTheDialogKeepsTheLoadedFileAndChoices)
{
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    const auto before = demogen::buildSquadronFile({0, 1, 2}, 8);
    writeAllBytes(dir / "squs0001.dat", before);
    auto w = open();
    load(*w, "squs0001.dat");
    pick(*w, "List1", 0);
    pick(*w, "List2", 8);

    dlg->files.push_back(std::nullopt);
    QTest::mouseClick(child<QPushButton>(*w, "Command1"), Qt::LeftButton);
    EXPECT_EQ(text(*w, "Label1"), path("squs0001.dat"));
    EXPECT_EQ(child<QListWidget>(*w, "List1")->count(), 3);
    ASSERT_TRUE(enabled(*w, "Command2"));
    QTest::mouseClick(child<QPushButton>(*w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(readAllBytes(dir / "squs0001.dat")[6], 8);
}

TEST_F(SquadronWindowTest, FileThatShrankAfterLoadingIsNotExtended)
{
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    writeAllBytes(dir / "squs0001.dat", demogen::buildSquadronFile({0, 1, 2, 3}, 9));
    auto w = open();
    load(*w, "squs0001.dat");
    pick(*w, "List1", 3);
    pick(*w, "List2", 4);

    auto shrunk = demogen::buildSquadronFile({0, 1, 2}, 9);
    writeAllBytes(dir / "squs0001.dat", shrunk);
    QTest::mouseClick(child<QPushButton>(*w, "Command2"), Qt::LeftButton);

    EXPECT_EQ(readAllBytes(dir / "squs0001.dat"), shrunk);
    ASSERT_EQ(dlg->texts().size(), 1);
    EXPECT_TRUE(dlg->texts()[0].contains("beyond the end")) << dlg->texts()[0].toStdString();
}

TEST_F(SquadronWindowTest, UnreadableFileLeavesNoFileLoaded)
{
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    writeAllBytes(dir / "squs0001.dat", demogen::buildSquadronFile({0, 1}, 10));
    auto w = open();
    load(*w, "squs0001.dat");
    pick(*w, "List1", 0);
    pick(*w, "List2", 1);

    load(*w, "squs0404.dat");
    ASSERT_EQ(dlg->texts().size(), 1);
    EXPECT_TRUE(dlg->texts()[0].contains("File not found"));
    EXPECT_EQ(text(*w, "Label1"), "");
    EXPECT_EQ(child<QListWidget>(*w, "List1")->count(), 0);
    EXPECT_FALSE(enabled(*w, "List2"));
    EXPECT_FALSE(enabled(*w, "Command2"));
}

// The open dialog's patterns, matched letter for letter as a strict file
// dialog does, must admit squadron files of every name length and spelling.
TEST_F(SquadronWindowTest, LoadDialogAdmitsSquadronFilesOfAnyNameLengthAndCase)
{
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    auto w = open();
    dlg->files.push_back(std::nullopt);
    QTest::mouseClick(child<QPushButton>(*w, "Command1"), Qt::LeftButton);
    ASSERT_EQ(dlg->events.size(), 1u);
    const QStringList filters = dlg->events[0].request.filter.split(";;");
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[1], "All files (*)");
    const QString inside = filters[0].section('(', 1).chopped(1);
    const QStringList patterns = inside.split(' ', Qt::SkipEmptyParts);
    auto admitted = [&](const QString& name) {
        for (const QString& p : patterns)
            if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(p)).match(name).hasMatch())
                return true;
        return false;
    };
    for (const char* name : {"sqgr0001.dat", "sqUS0001.dat", "sqUK0002.dat", "SQGR0001.DAT", "squs01.dat",
             "Sqgr0001.dat", "sqgr0001.DAT"})
        EXPECT_TRUE(admitted(name)) << name;
    EXPECT_FALSE(admitted("planes.txt"));
}

TEST_F(SquadronWindowTest, CodesAShortPlaneListDoesNotCoverShowAsErrorAndStayChoosable)
{
    common::writeAllText(dir / "planes.txt", numberedPlanes(5));
    writeAllBytes(dir / "squs0001.dat", demogen::buildSquadronFile({2, 7}, 12));
    auto w = open();
    load(*w, "squs0001.dat");
    auto* records = child<QListWidget>(*w, "List1");
    ASSERT_EQ(records->count(), 2);
    EXPECT_EQ(records->item(0)->text(), "Plane 2");
    EXPECT_EQ(records->item(1)->text(), "Error");
    auto* us = child<QListWidget>(*w, "List2");
    EXPECT_EQ(us->item(4)->text(), "Plane 4");
    EXPECT_TRUE(us->item(7)->text().contains("7")) << us->item(7)->text().toStdString();

    pick(*w, "List1", 0);
    pick(*w, "List2", 7);
    QTest::mouseClick(child<QPushButton>(*w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(readAllBytes(dir / "squs0001.dat")[6], 7);
}

TEST_F(SquadronWindowTest, AFileThatCannotBeWrittenIsNamedWithTheReason)
{
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    writeAllBytes(dir / "squs0001.dat", demogen::buildSquadronFile({0, 1}, 13));
    auto w = open();
    load(*w, "squs0001.dat");
    pick(*w, "List1", 0);
    pick(*w, "List2", 4);
    // A folder now stands where the file was: refused whoever runs the test.
    std::filesystem::remove(dir / "squs0001.dat");
    std::filesystem::create_directory(dir / "squs0001.dat");
    QTest::mouseClick(child<QPushButton>(*w, "Command2"), Qt::LeftButton);
    ASSERT_EQ(dlg->texts().size(), 1);
    EXPECT_TRUE(dlg->texts()[0].contains("squs0001.dat")) << dlg->texts()[0].toStdString();
    EXPECT_TRUE(dlg->texts()[0].contains("File access denied")) << dlg->texts()[0].toStdString();
}

struct PlaneFileCase {
    const char* name;
    int lines; // -1: no planes.txt
    const char* message;
};

void PrintTo(const PlaneFileCase& c, std::ostream* os)
{
    *os << c.name;
}

class RosterlyPlaneFile : public SquadronWindowTest, public testing::WithParamInterface<PlaneFileCase> {};

// A missing or overlong plane list is reported once, and the program still
// opens and can load and write squadrons.
TEST_P(RosterlyPlaneFile, IsReportedAtStartUpAndTheWindowStillWorks)
{
    if (GetParam().lines >= 0)
        common::writeAllText(dir / "PLANES.TXT", numberedPlanes(GetParam().lines));
    writeAllBytes(dir / "squs0001.dat", demogen::buildSquadronFile({30, 2}, 11));
    auto w = open();
    const QStringList texts = dlg->texts();
    if (GetParam().message[0] == '\0') {
        EXPECT_TRUE(texts.isEmpty());
    } else {
        ASSERT_EQ(texts.size(), 1);
        EXPECT_TRUE(texts[0].contains(GetParam().message)) << texts[0].toStdString();
    }
    EXPECT_EQ(child<QListWidget>(*w, "List2")->count(), 9);
    EXPECT_EQ(child<QListWidget>(*w, "List4")->count(), 14);

    load(*w, "squs0001.dat");
    EXPECT_EQ(child<QListWidget>(*w, "List1")->item(0)->text(), "Error");
    pick(*w, "List1", 0);
    pick(*w, "List2", 3);
    QTest::mouseClick(child<QPushButton>(*w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(readAllBytes(dir / "squs0001.dat")[6], 3);
}

INSTANTIATE_TEST_SUITE_P(Lists, RosterlyPlaneFile,
    testing::Values(PlaneFileCase{"Missing", -1, "planes.txt was not found"},
        PlaneFileCase{"ThirtyOneLines", 31, ""}, PlaneFileCase{"ThirtyThreeLines", 33, "has 33 lines"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rosterly

namespace rosterly {
namespace {

TEST_F(SquadronWindowTest, TitleNamesTheFileAndShortcutsLoadWriteAndQuit)
{
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    const auto before = demogen::buildSquadronFile({15, 14, 13}, 3);
    writeAllBytes(dir / "squk0001.dat", before);
    auto w = open();
    EXPECT_EQ(w->windowTitle(), "Squadron Modder — Rosterly");

    dlg->files.push_back(path("squk0001.dat"));
    ASSERT_TRUE(common::pressKeys(*w, QKeySequence("Ctrl+O")));
    ASSERT_EQ(dlg->events.size(), 1u);
    EXPECT_EQ(w->windowTitle(), "squk0001.dat[*] — Squadron Modder — Rosterly");
    EXPECT_FALSE(w->isWindowModified());

    pick(*w, "List1", 1);
    pick(*w, "List3", 5); // code 14: what the record holds already
    EXPECT_FALSE(w->isWindowModified());
    pick(*w, "List3", 0);
    EXPECT_TRUE(w->isWindowModified());

    ASSERT_TRUE(common::pressKeys(*w, QKeySequence("Ctrl+S")));
    auto expected = before;
    expected[130] = 9;
    EXPECT_EQ(readAllBytes(dir / "squk0001.dat"), expected);
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_TRUE(text(*w, "lblStatus").contains(QDir::toNativeSeparators(path("squk0001.dat"))))
        << text(*w, "lblStatus").toStdString();

    ASSERT_TRUE(common::pressKeys(*w, QKeySequence("Ctrl+Q")));
    EXPECT_FALSE(w->isVisible());
}

TEST_F(SquadronWindowTest, LoadDialogStartsInTheFolderLastLoadedFromEvenInANewWindow)
{
    std::filesystem::create_directory(dir / "squads");
    writeAllBytes(dir / "squads" / "sqgr0002.dat", demogen::buildSquadronFile({16}, 4));
    {
        auto w = open();
        load(*w, "squads/sqgr0002.dat");
        EXPECT_EQ(dlg->events.back().request.directory, QString::fromStdString(dir.path().string()));
        dlg->files.push_back(std::nullopt);
        QTest::mouseClick(child<QPushButton>(*w, "Command1"), Qt::LeftButton);
        EXPECT_EQ(dlg->events.back().request.directory, path("squads"));
    }
    {
        auto w = open();
        dlg->files.push_back(std::nullopt);
        QTest::mouseClick(child<QPushButton>(*w, "Command1"), Qt::LeftButton);
        EXPECT_EQ(dlg->events.back().request.directory, path("squads"));
    }
    // A folder removed since: back to the game folder.
    std::filesystem::remove_all(dir / "squads");
    auto w = open();
    dlg->files.push_back(std::nullopt);
    QTest::mouseClick(child<QPushButton>(*w, "Command1"), Qt::LeftButton);
    EXPECT_EQ(dlg->events.back().request.directory, QString::fromStdString(dir.path().string()));
}


// A screen reader hears each control by its label, and no two alike.
TEST_F(SquadronWindowTest, EveryControlHasTheAccessibleNameOfItsLabel)
{
    auto window = open();
    common::nameControlsByLabels(*window);
    EXPECT_EQ(common::accessibleNameFaults(*window).join("\n").toStdString(), "");
}

} // namespace
} // namespace rosterly
