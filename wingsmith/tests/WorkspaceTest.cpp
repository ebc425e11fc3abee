// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoGame.h"

#include "wingsmith/core/FileTooShortError.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/GamePaths.h"
#include "wingsmith/core/Workspace.h"
#include "wingsmith/tests/AircraftFields.h"

#include "common/core/IoError.h"
#include "common/core/LittleEndian.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace wingsmith {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using testing::DemoGame;

std::string failureText(const std::function<void()>& action)
{
    try {
        action();
    } catch (const common::IoError& e) {
        return e.what();
    }
    return "no error";
}

// The bytes of every file in the folder, to prove an operation wrote nothing.
std::map<std::string, Bytes> snapshot(const fs::path& dir)
{
    std::map<std::string, Bytes> files;
    for (const auto& e : fs::directory_iterator(dir))
        files[e.path().filename().string()] = common::readAllBytes(e.path());
    return files;
}

// A game folder after the start-up's extraction and loading.
struct LoadedGame : DemoGame {
    Workspace ws;
    LoadedGame()
    {
        extractGunTable(path());
        ws.extractFltFiles(path());
    }
};

TEST(Roster, NamesMapToListPositionsExactly)
{
    EXPECT_EQ(positionOfFltName("P38H.FLT"), 0);
    EXPECT_EQ(positionOfFltName("MOSQ.FLT"), 15);
    EXPECT_EQ(positionOfFltName("V1V1.FLT"), 29);
    EXPECT_EQ(positionOfFltName("P51D.flt"), 0);
    EXPECT_EQ(positionOfFltName("XXXX.FLT"), 0);
    EXPECT_EQ(rosterByPosition(7).caption, "B-24D");
    EXPECT_EQ(rosterByPosition(7).archiveIndex, 10);
}

TEST(Extraction, CopiesTheGunTableAndEveryRecordVerbatim)
{
    LoadedGame game;
    const Bytes data = common::readAllBytes(game / "DATA.CDF");
    const Bytes flt = common::readAllBytes(game / "FLT.CDF");
    EXPECT_EQ(common::readAllBytes(game / "planes.dat"),
        Bytes(data.begin() + 1234966, data.begin() + 1234966 + 6484));
    for (int p = 0; p < kAircraftCount; ++p) {
        const auto& row = rosterByPosition(p);
        const auto start = flt.begin() + 1020 + 1284 * row.archiveIndex;
        EXPECT_EQ(common::readAllBytes(game / row.fltName), Bytes(start, start + 1284)) << row.fltName;
    }
    EXPECT_EQ(game.ws.currentFltName, "V1V1.FLT");
    // Loading filled both copies alike.
    game.ws.compareValues();
    EXPECT_FALSE(game.ws.anyChanged());
}

TEST(Extraction, NeverOverwritesALooseFileAndLoadsItAsItIs)
{
    DemoGame game;
    Bytes own(FltRecord::kSize, 0);
    common::le::putI16(own, 0, 4); // four engines, unlike the archive's P-38H
    common::writeAllBytes(game / "P38H.FLT", own);
    extractGunTable(game.path());
    Workspace ws;
    ws.extractFltFiles(game.path());
    EXPECT_EQ(common::readAllBytes(game / "P38H.FLT"), own);
    EXPECT_EQ(test::intOf(ws.working[0], "engineCount"), 4);
    EXPECT_EQ(test::intOf(ws.reference[0], "engineCount"), 4);
}

TEST(Extraction, AnUnknownDirectoryNameIsCreatedAndLoadedIntoPositionZero)
{
    DemoGame game;
    Bytes flt = common::readAllBytes(game / "FLT.CDF");
    // Archive entry 21 is the P-38H; give it a name the roster does not know.
    const std::string name = "ZZ99.FLT";
    std::copy(name.begin(), name.end(), flt.begin() + 34 * 21 + 8);
    common::writeAllBytes(game / "FLT.CDF", flt);
    extractGunTable(game.path());
    Workspace ws;
    ws.extractFltFiles(game.path());
    EXPECT_TRUE(fs::exists(game / "ZZ99.FLT"));
    EXPECT_FALSE(fs::exists(game / "P38H.FLT"));
    EXPECT_EQ(test::intOf(ws.working[0], "engineCount"), 2);
}

TEST(Extraction, ADirectoryNamePointingOutsideTheGameFolderIsRefused)
{
    DemoGame game;
    Bytes flt = common::readAllBytes(game / "FLT.CDF");
    const std::string name = "../ESCAPE.FLT";
    std::copy(name.begin(), name.end(), flt.begin() + 8); // entry 0
    flt[8 + name.size()] = 0;
    common::writeAllBytes(game / "FLT.CDF", flt);
    extractGunTable(game.path());
    Workspace ws;
    EXPECT_EQ(failureText([&] { ws.extractFltFiles(game.path()); }), "Invalid filename");
    EXPECT_FALSE(fs::exists(game.dir.path().parent_path() / "ESCAPE.FLT"));
}

TEST(Extraction, AShortDataCdfCreatesNoPlanesDat)
{
    DemoGame game;
    fs::resize_file(game / "DATA.CDF", 1241449);
    EXPECT_EQ(failureText([&] { extractGunTable(game.path()); }), "Read beyond end of file");
    EXPECT_FALSE(fs::exists(game / "planes.dat"));
}

TEST(Loading, FailuresStopWhereTheyHappenAndKeepWhatWasRead)
{
    LoadedGame game;
    // A record cut short inside the hit bubbles: what comes before is stored.
    Bytes record = common::readAllBytes(game / "P51D.FLT");
    const float stability1 = common::le::getF32(record, 144);
    record.resize(1100);
    common::writeAllBytes(game / "P51D.FLT", record);
    Workspace ws;
    EXPECT_EQ(failureText([&] { ws.loadAircraft(game.path(), "P51D.FLT"); }), "Read beyond end of file");
    EXPECT_EQ(test::floatOf(ws.working[5], test::stabilityName(0)), stability1);
    EXPECT_EQ(test::floatOf(ws.reference[5], test::stabilityName(0)), stability1);

    fs::remove(game / "P47C.FLT");
    EXPECT_EQ(failureText([&] { ws.loadAircraft(game.path(), "P47C.FLT"); }), "File not found");
    fs::remove(game / "planes.dat");
    EXPECT_EQ(failureText([&] { ws.loadAircraft(game.path(), "P38H.FLT"); }), "File not found");
}

TEST(Loading, AGunTableCutShortStopsInsideTheRowWhereItEnds)
{
    LoadedGame game;
    const Workspace full = game.ws;
    ASSERT_NE(test::intOf(full.working[3], "gun1.guns"), 0);
    // Row 3 (P-47D) keeps its group count; its groups and flags are cut off.
    fs::resize_file(game / "planes.dat", 216 * 3 + 90);
    Workspace ws;
    EXPECT_EQ(failureText([&] { ws.extractFltFiles(game.path()); }), "Read beyond end of file");
    for (const RecordField& f : gunTableRowFields()) {
        if (f.name.starts_with("hitPoints.")) {
            EXPECT_EQ(test::intOf(ws.working[2], f.name), test::intOf(full.working[2], f.name)) << f.name;
        }
        if (f.name.starts_with("typeFlags")) {
            EXPECT_EQ(test::intOf(ws.reference[2], f.name), test::intOf(full.working[2], f.name)) << f.name;
        }
    }
    EXPECT_EQ(ws.working[3].planes.gunGroupCount(), full.working[3].planes.gunGroupCount());
    EXPECT_EQ(test::intOf(ws.working[3], "gun1.guns"), 0);
    EXPECT_EQ(ws.currentFltName, "MOSQ.FLT"); // the first aircraft loaded
}

TEST(Loading, FindsGameFilesWhateverTheirCase)
{
    LoadedGame game;
    fs::rename(game / "planes.dat", game / "PLANES.DAT");
    fs::rename(game / "P38J.FLT", game / "p38j.flt");
    Workspace ws;
    ws.loadAircraft(game.path(), "P38J.FLT");
    EXPECT_EQ(test::intOf(ws.working[1], "engineCount"), 2);
    EXPECT_EQ(ws.working[1].planes.gunGroupCount(), 2);
}

TEST(Save, WithNothingChangedWritesNothing)
{
    LoadedGame game;
    const auto before = snapshot(game.dir.path());
    game.ws.compareValues();
    game.ws.save(game.path());
    EXPECT_EQ(snapshot(game.dir.path()), before);
}

TEST(Save, LoweringTheGroupCountLeavesTheDroppedGroupsBytes)
{
    LoadedGame game;
    const int p = 19; // Bf 110C, three gun groups
    ASSERT_EQ(game.ws.working[p].planes.gunGroupCount(), 3);
    const Bytes planesBefore = common::readAllBytes(game / "planes.dat");
    const Bytes recordBefore = common::readAllBytes(game / "110C.FLT");

    game.ws.working[p].planes.setGunGroupCount(2);
    test::setInt(game.ws.working[p], "gun3.ammo", 1); // held, but beyond the count
    test::setInt(game.ws.working[p], "gun3.gunId", 999);
    test::setInt(game.ws.working[p], "gun1.gunId", 555);
    game.ws.compareValues();
    EXPECT_TRUE(game.ws.planesChanged[p]);
    EXPECT_TRUE(game.ws.fltChanged[p]);
    game.ws.save(game.path());

    const Bytes planesAfter = common::readAllBytes(game / "planes.dat");
    const Bytes recordAfter = common::readAllBytes(game / "110C.FLT");
    EXPECT_EQ(common::le::getI16(planesAfter, 216 * p + 88), 2);
    const auto group3 = 216 * p + 92 + 24;
    EXPECT_TRUE(std::equal(planesAfter.begin() + group3, planesAfter.begin() + group3 + 12,
        planesBefore.begin() + group3));
    EXPECT_TRUE(std::equal(recordAfter.begin() + 596 + 88, recordAfter.begin() + 596 + 132,
        recordBefore.begin() + 596 + 88));
    EXPECT_EQ(common::le::getU16(recordAfter, 596 + 40), 555);

    game.ws.compareValues();
    EXPECT_FALSE(game.ws.anyChanged());
}

// A save is one change of the game: a file that fails puts back the files
// written before it, and every aircraft stays marked as changed.
TEST(Save, AMissingLooseFileStopsTheSaveAndLeavesEveryFileAsItWas)
{
    LoadedGame game;
    test::setFloat(game.ws.working[2], "engineBestAltitude", 9000);  // P-47C, written first
    test::setFloat(game.ws.working[10], "engineBestAltitude", 7000); // Spit Ia, file deleted
    test::setInt(game.ws.working[12], "hitPoints.fuselageMechanics", 1);
    fs::remove(game / "SP2A.FLT");
    game.ws.compareValues();
    EXPECT_EQ(failureText([&] { game.ws.save(game.path()); }), "File not found");

    Workspace reloaded;
    reloaded.loadAircraft(game.path(), "P47C.FLT");
    EXPECT_EQ(test::floatOf(reloaded.working[2], "engineBestAltitude"),
        test::floatOf(game.ws.reference[2], "engineBestAltitude"));
    EXPECT_EQ(test::intOf(reloaded.working[12], "hitPoints.fuselageMechanics"),
        test::intOf(game.ws.reference[12], "hitPoints.fuselageMechanics"));
    EXPECT_NE(test::intOf(reloaded.working[12], "hitPoints.fuselageMechanics"), 1);
    game.ws.compareValues();
    EXPECT_TRUE(game.ws.fltChanged[10]);
    EXPECT_TRUE(game.ws.fltChanged[2]); // the reference copy keeps its old values
}

TEST(Save, AFileThatCannotBeOpenedForWritingReportsAccessDenied)
{
    LoadedGame game;
    test::setInt(game.ws.working[0], "engineCount", 1);
    fs::remove(game / "P38H.FLT");
    fs::create_directory(game / "P38H.FLT");
    game.ws.compareValues();
    EXPECT_EQ(failureText([&] { game.ws.save(game.path()); }), "File access denied");
}

TEST(Archives, ImportMarksDifferencesFromTheLooseFilesWithoutWriting)
{
    LoadedGame game;
    // A loose file edited outside the program differs from its archive record.
    Bytes hurr = common::readAllBytes(game / "HURR.FLT");
    common::le::putF32(hurr, 4, 4321.0f);
    common::writeAllBytes(game / "HURR.FLT", hurr);
    Workspace ws;
    extractGunTable(game.path());
    ws.extractFltFiles(game.path());
    const auto before = snapshot(game.dir.path());

    ws.importArchives(game.path());
    ws.compareValues();
    EXPECT_TRUE(ws.fltChanged[9]);
    EXPECT_EQ(std::count(ws.fltChanged.begin(), ws.fltChanged.end(), true), 1);
    EXPECT_EQ(std::count(ws.planesChanged.begin(), ws.planesChanged.end(), true), 0);
    EXPECT_EQ(snapshot(game.dir.path()), before);
}

TEST(Archives, ExportOfAnUntouchedSetLeavesBothArchivesByteIdentical)
{
    LoadedGame game;
    const Bytes data = common::readAllBytes(game / "DATA.CDF");
    const Bytes flt = common::readAllBytes(game / "FLT.CDF");
    game.ws.exportArchives(game.path());
    EXPECT_EQ(common::readAllBytes(game / "DATA.CDF"), data);
    EXPECT_EQ(common::readAllBytes(game / "FLT.CDF"), flt);
}

TEST(Archives, ExportWritesTheWorkingCopyIntoTheArchiveRecordOfEachAircraft)
{
    LoadedGame game;
    test::setInt(game.ws.working[15], "engineCount", 3); // Mosquito, archive index 0
    test::setInt(game.ws.working[29], "hitPoints.engine4", 0x7E);
    game.ws.exportArchives(game.path());
    const Bytes flt = common::readAllBytes(game / "FLT.CDF");
    const Bytes data = common::readAllBytes(game / "DATA.CDF");
    EXPECT_EQ(common::le::getI16(flt, 1020), 3);
    EXPECT_EQ(data[1234966 + 216 * 29 + 76 + 11], 0x7E);
    // The loose files and the reference copy stay as they were.
    EXPECT_EQ(common::le::getI16(common::readAllBytes(game / "MOSQ.FLT"), 0), 2);
    game.ws.compareValues();
    EXPECT_TRUE(game.ws.fltChanged[15]);
}

// A file cut short: the operation that would patch past its end.
struct ShortFileCase {
    const char* file;
    std::uintmax_t size;
    bool exportToArchives; // else "Save data to FLT files"
};

class ShortFile : public ::testing::TestWithParam<ShortFileCase> {};

TEST_P(ShortFile, IsRefusedByNameAndKeepsItsLengthAndBytes)
{
    const ShortFileCase& c = GetParam();
    LoadedGame game;
    test::setInt(game.ws.working[29], "hitPoints.fuselageMechanics", 99); // V1: last row, last record
    test::setFloat(game.ws.working[29], "engineBestAltitude", 1234);
    fs::resize_file(game / c.file, c.size);
    const Bytes before = common::readAllBytes(game / c.file);
    try {
        if (c.exportToArchives) {
            game.ws.exportArchives(game.path());
        } else {
            game.ws.compareValues();
            game.ws.save(game.path());
        }
        ADD_FAILURE() << "no error";
    } catch (const FileTooShortError& e) {
        EXPECT_EQ(e.path().filename(), c.file);
        EXPECT_EQ(e.size(), c.size);
    }
    EXPECT_EQ(common::readAllBytes(game / c.file), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShortFile,
    ::testing::Values(ShortFileCase{"DATA.CDF", 1000000, true}, ShortFileCase{"FLT.CDF", 2000, true},
        ShortFileCase{"planes.dat", 1000, false}, ShortFileCase{"V1V1.FLT", 600, false}),
    [](const auto& info) { return std::string(info.param.exportToArchives ? "Export" : "Save") + std::to_string(info.index); });

TEST(Compare, FloatsCompareAsNumbersAndAnUntouchedPatternNeverChanges)
{
    Workspace ws;
    test::setFloat(ws.working[3], test::stabilityName(0), -0.0f);
    test::setFloat(ws.reference[3], test::stabilityName(0), 0.0f);
    test::setFloat(ws.working[4], "collisionEngineHitPoints", std::numeric_limits<float>::quiet_NaN());
    test::setBits(ws.reference[4], "collisionEngineHitPoints", test::bitsOf(ws.working[4], "collisionEngineHitPoints"));
    test::setInt(ws.working[5], "gun6.tracerRange", 1); // beyond any group count, still compared
    test::setInt(ws.working[6], "gun6.smoke", 1);
    ws.compareValues();
    EXPECT_FALSE(ws.fltChanged[3]);
    EXPECT_FALSE(ws.fltChanged[4]);
    EXPECT_TRUE(ws.fltChanged[5]);
    EXPECT_TRUE(ws.planesChanged[6]);
    EXPECT_FALSE(ws.planesChanged[5]);
}

} // namespace
} // namespace wingsmith
