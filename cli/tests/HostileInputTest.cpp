// SPDX-License-Identifier: GPL-3.0-or-later
// Every command that reads files, given files that are missing, unreadable,
// cut short, binary, huge, or a folder, or a target it may not write: a
// refusal in one short line naming the file, and the game left as it was.
#include "cli/tests/VantorRun.h"

#include <fstream>
#include <functional>

namespace vantorcli {
namespace {

namespace fs = std::filesystem;

using Setup = std::function<void(const fs::path& work)>;

Setup missing(std::string name)
{
    return [name](const fs::path& work) { fs::remove(work / name); };
}

Setup folder(std::string name)
{
    return [name](const fs::path& work) {
        fs::remove(work / name);
        fs::create_directories(work / name / "inside");
    };
}

Setup text(std::string name, std::string bytes)
{
    return [name, bytes](const fs::path& work) { common::writeAllText(work / name, bytes); };
}

Setup cut(std::string name, std::uintmax_t size)
{
    return [name, size](const fs::path& work) { fs::resize_file(work / name, size); };
}

// A text file with NUL bytes in its first line.
Setup nulBytes(std::string name)
{
    return [name](const fs::path& work) {
        std::string bytes = common::readAllText(work / name);
        bytes.insert(0, std::string("\0\0x\0", 4));
        common::writeAllText(work / name, bytes);
    };
}

// A single 50 MB line where the file's first line was.
Setup hugeLine(std::string name)
{
    return [name](const fs::path& work) {
        std::string bytes = common::readAllText(work / name);
        bytes.insert(0, std::string(50u << 20, 'W'));
        common::writeAllText(work / name, bytes);
    };
}

Setup permissions(std::string name, fs::perms perms)
{
    return [name, perms](const fs::path& work) { fs::permissions(work / name, perms); };
}

Setup unreadable(std::string name)
{
    return permissions(name, fs::perms::none);
}

Setup readOnly(std::string name)
{
    return permissions(name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

Setup copied(std::string from, std::string to)
{
    return [from, to](const fs::path& work) { fs::copy_file(work / from, work / to); };
}

Setup both(Setup first, Setup second)
{
    return [first, second](const fs::path& work) {
        first(work);
        second(work);
    };
}

struct HostileCase {
    const char* name;
    QStringList arguments;
    Setup setup;
    const char* named;                    // the file the message names
    const char* unreadableFile = nullptr; // a case of permission bits alone
    int exitCode = 1;                     // diff and check: 2 is trouble
};

void PrintTo(const HostileCase& c, std::ostream* os)
{
    *os << c.name;
}

const char* const kSetpriv = "/usr/bin/setpriv";

const QStringList kImport{"flight", "import", "table.csv", "game"};
const QStringList kApply{"loadout", "apply", "game/edit.lox", "game/loadout.dat", "--replace"};
const QStringList kMenu{"menu", "make", "game/layout_usa.txt", "--side", "usa", "-o", "game/picplna.mnu"};
const QStringList kNormals{"normals", "game/box.3dz", "-o", "game/box.txt"};
const QStringList kList{"squadron", "list", "game/sqUK0001.dat"};
const QStringList kSet{"squadron", "set", "game/sqUK0001.dat", "1", "Spitfire IX"};
const QStringList kBases{"bases", "set", "game", "0", "1", "2", "3"};
const QStringList kReport{"report", "game", "-o", "game/Probewell.txt"};
const QStringList kExport{"flight", "export", "game"};
const QStringList kShow{"flight", "show", "game", "P-51D"};
const QStringList kDiff{"diff", "game", "other"};
const QStringList kCheck{"check", "game"};
const QStringList kLoadoutDiff{"loadout", "diff", "game/loadout.dat", "game/new.dat", "-o", "game/out.lox"};
const QStringList kHangarMenu{
    "menu", "make", "game/layout_hangar.txt", "--side", "hangar-us", "-o", "game/hangar01.mnu"};

// Bytes no text file of the game holds.
const std::string kBinary("\x01\xff\xfe\x00\x7f\x80garbage\x00\r\n\x1b[2J", 21);

class HostileInput : public VantorRun, public ::testing::WithParamInterface<HostileCase> {};

TEST_P(HostileInput, IsRefusedInOneLineNamingTheFileAndChangesNothing)
{
    const HostileCase& c = GetParam();
    common::writeAllText(work / "table.csv", "aircraft,emptyMass\r\nP-51D,3500\r\n");
    common::writeAllText(game / "edit.lox", "9\r\n4\r\n");
    c.setup(work.path());
    // Root reads any file: then the run is made as the user "nobody".
    const bool privileged = c.unreadableFile && std::ifstream(work / c.unreadableFile).is_open();
    if (privileged && !fs::exists(kSetpriv))
        GTEST_SKIP() << "permission bits do not bind this user";
    const Snapshot before = snapshot(game);

    const auto run = privileged
        ? common::runProgram(kSetpriv, work.path(),
            QStringList{"--reuid=65534", "--regid=65534", "--clear-groups"} + vantorCommand() + c.arguments)
        : vantor(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.standardError;
    const auto shown = lines(run.standardError);
    ASSERT_EQ(shown.size(), 1u) << run.standardError.substr(0, 2000);
    EXPECT_LT(shown[0].size(), 200u) << shown[0].substr(0, 2000);
    EXPECT_NE(shown[0].find(c.named), std::string::npos) << shown[0];
    EXPECT_EQ(snapshot(game), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileInput,
    ::testing::Values(HostileCase{"ImportTableMissing", kImport, missing("table.csv"), "table.csv"},
        HostileCase{"ImportTableIsAFolder", kImport, folder("table.csv"), "table.csv is a folder"},
        HostileCase{"ImportTableUnreadable", kImport, unreadable("table.csv"), "table.csv", "table.csv"},
        HostileCase{"ImportTableWithNulBytes", kImport, nulBytes("table.csv"), "table.csv"},
        HostileCase{"ImportTableHugeLine", kImport, hugeLine("table.csv"), "table.csv"},
        HostileCase{"ImportJsonCutShort", kImport, text("table.csv", "[{\"aircraft\": \"P-5"), "table.csv"},

        HostileCase{"ScriptMissing", kApply, missing("game/edit.lox"), "edit.lox"},
        HostileCase{"ScriptIsAFolder", kApply, folder("game/edit.lox"), "edit.lox is a folder"},
        HostileCase{"ScriptWithNulBytes", kApply, nulBytes("game/edit.lox"), "edit.lox"},
        HostileCase{"ScriptHugeLine", kApply, hugeLine("game/edit.lox"), "edit.lox"},
        HostileCase{"ScriptCutInAPair", kApply, text("game/edit.lox", "9\r\n4\r\n10\r\n"), "edit.lox"},
        HostileCase{"LoadoutCutShort", kApply, cut("game/loadout.dat", 100), "loadout.dat"},
        HostileCase{"LoadoutIsAFolder", kApply, folder("game/loadout.dat"), "loadout.dat is a folder"},
        HostileCase{"LoadoutReadOnly", kApply, readOnly("game/loadout.dat"), "loadout.dat"},
        HostileCase{"LoadoutUnreadable", {"loadout", "apply", "game/edit.lox", "game/loadout.dat"},
            unreadable("game/loadout.dat"), "loadout.dat", "game/loadout.dat"},
        HostileCase{"NewLoadoutCutShort", {"loadout", "diff", "game/loadout.dat", "game/new.dat"},
            both(copied("game/loadout.dat", "game/new.dat"), cut("game/new.dat", 100)), "new.dat"},

        HostileCase{"LayoutMissing", kMenu, missing("game/layout_usa.txt"), "layout_usa.txt"},
        HostileCase{"LayoutIsAFolder", kMenu, folder("game/layout_usa.txt"), "layout_usa.txt is a folder"},
        HostileCase{"LayoutWithNulBytes", kMenu, nulBytes("game/layout_usa.txt"), "layout_usa.txt"},
        HostileCase{"LayoutHugeLine", kMenu, hugeLine("game/layout_usa.txt"), "layout_usa.txt"},
        HostileCase{"MenuTargetReadOnly", kMenu, both(text("game/picplna.mnu", "old"), readOnly("game/picplna.mnu")),
            "picplna.mnu"},
        HostileCase{"MenuTargetIsAFolder", kMenu, folder("game/picplna.mnu"), "picplna.mnu"},

        HostileCase{"ModelMissing", kNormals, missing("game/box.3dz"), "box.3dz"},
        HostileCase{"ModelIsAFolder", kNormals, folder("game/box.3dz"), "box.3dz is a folder"},
        HostileCase{"ModelCutShort", kNormals, cut("game/box.3dz", 20), "box.3dz"},
        HostileCase{"ModelUnreadable", kNormals, unreadable("game/box.3dz"), "box.3dz", "game/box.3dz"},
        HostileCase{
            "NormalsTargetReadOnly", kNormals, both(text("game/box.txt", "old"), readOnly("game/box.txt")), "box.txt"},

        HostileCase{"SquadronListMissing", kList, missing("game/sqUK0001.dat"), "sqUK0001.dat"},
        HostileCase{"SquadronListIsAFolder", kList, folder("game/sqUK0001.dat"), "sqUK0001.dat is a folder"},
        HostileCase{
            "SquadronListUnreadable", kList, unreadable("game/sqUK0001.dat"), "sqUK0001.dat", "game/sqUK0001.dat"},
        HostileCase{"SquadronSetMissing", kSet, missing("game/sqUK0001.dat"), "sqUK0001.dat"},
        HostileCase{"SquadronSetIsAFolder", kSet, folder("game/sqUK0001.dat"), "sqUK0001.dat is a folder"},
        HostileCase{"SquadronSetCutShort", kSet, cut("game/sqUK0001.dat", 7), "sqUK0001.dat"},
        HostileCase{"SquadronSetReadOnly", kSet, readOnly("game/sqUK0001.dat"), "sqUK0001.dat"},
        HostileCase{"PlaneListIsAFolder", kSet, folder("game/planes.txt"), "planes.txt"},

        HostileCase{"AirbaseListMissing", kBases, missing("game/airbase.txt"), "airbase.txt"},
        HostileCase{"AirbaseListIsAFolder", kBases, folder("game/airbase.txt"), "airbase.txt"},
        HostileCase{"AirbaseListCutShort", kBases, cut("game/airbase.txt", 40), "airbase.txt"},
        HostileCase{"MasterCopyMissing", kBases, missing("game/airfield.bak"), "airfield.bak"},
        HostileCase{"MasterCopyCutShort", kBases, cut("game/airfield.bak", 50), "airfield.bak"},
        HostileCase{"AirfieldFileReadOnly", kBases,
            both(copied("game/airfield.bak", "game/airfield.dat"), readOnly("game/airfield.dat")), "airfield.dat"},
        HostileCase{"AirfieldFileIsAFolder", {"bases", "show", "game"}, folder("game/airfield.dat"), "airfield.dat"},

        HostileCase{"ReportTargetReadOnly", kReport,
            both(text("game/Probewell.txt", "old"), readOnly("game/Probewell.txt")), "Probewell.txt"},
        HostileCase{"ReportTargetIsAFolder", kReport, folder("game/Probewell.txt"), "Probewell.txt"},
        HostileCase{"FlightArchiveCutShort", {"flight", "export", "game"}, cut("game/FLT.CDF", 300), "FLT.CDF"},
        HostileCase{"GunArchiveCutShort", {"flight", "export", "game"}, cut("game/DATA.CDF", 300), "DATA.CDF"},
        HostileCase{"ImportTableBinary", kImport, text("table.csv", kBinary), "table.csv"},
        HostileCase{"ImportTableEmpty", kImport, text("table.csv", ""), "table.csv"},
        HostileCase{"ImportTableUnknownColumn", kImport, text("table.csv", "aircraft,noSuchField\r\nP-51D,1\r\n"),
            "noSuchField"},
        HostileCase{
            "ImportTableSemicolons", kImport, text("table.csv", "aircraft;emptyMass\r\nP-51D;3500\r\n"), "table.csv"},
        HostileCase{"ImportJsonNotAList", kImport, text("table.csv", "{\"aircraft\": 1}"), "table.csv"},
        HostileCase{"ImportGameMissing", {"flight", "import", "table.csv", "nogame"}, [](const fs::path&) {}, "nogame"},
        HostileCase{
            "ImportGameIsAFile", {"flight", "import", "table.csv", "table.csv"}, [](const fs::path&) {}, "table.csv"},
        HostileCase{"ImportFlightArchiveMissing", kImport, missing("game/FLT.CDF"), "FLT.CDF"},
        HostileCase{"ImportGunArchiveMissing", kImport, missing("game/DATA.CDF"), "DATA.CDF"},
        HostileCase{"ImportFlightArchiveCutShort", kImport, cut("game/FLT.CDF", 300), "FLT.CDF"},
        HostileCase{"ImportGunArchiveCutShort", kImport, cut("game/DATA.CDF", 300), "DATA.CDF"},
        HostileCase{"ImportFlightArchiveIsAFolder", kImport, folder("game/FLT.CDF"), "FLT.CDF"},
        HostileCase{"ImportGunTableIsAFolder", kImport, folder("game/planes.dat"), "planes.dat"},
        HostileCase{"ImportRecordIsAFolder", kImport, folder("game/P51D.FLT"), "P51D.FLT"},

        HostileCase{"ExportGameMissing", {"flight", "export", "nogame"}, [](const fs::path&) {}, "nogame"},
        HostileCase{"ExportFlightArchiveMissing", kExport, missing("game/FLT.CDF"), "FLT.CDF"},
        HostileCase{"ExportGunArchiveMissing", kExport, missing("game/DATA.CDF"), "DATA.CDF"},
        HostileCase{"ExportGunTableCutShort", kExport, text("game/planes.dat", "short"), "planes.dat"},
        HostileCase{"ExportGunTableIsAFolder", kExport, folder("game/planes.dat"), "planes.dat"},
        HostileCase{"ExportRecordIsAFolder", kExport, folder("game/P51D.FLT"), "P51D.FLT"},
        HostileCase{"ShowFlightArchiveCutShort", kShow, cut("game/FLT.CDF", 300), "FLT.CDF"},
        HostileCase{"ShowRecordCutShort", kShow, text("game/P51D.FLT", "short"), "P51D.FLT"},

        HostileCase{"DiffOtherMissing", kDiff, [](const fs::path&) {}, "other", nullptr, 2},
        HostileCase{"DiffOtherIsAFile", {"diff", "game", "table.csv"}, [](const fs::path&) {}, "table.csv", nullptr, 2},
        HostileCase{"CheckGameMissing", {"check", "nogame"}, [](const fs::path&) {}, "nogame", nullptr, 2},
        HostileCase{"CheckFlightArchiveCutShort", kCheck, cut("game/FLT.CDF", 300), "FLT.CDF", nullptr, 2},
        HostileCase{"CheckGunArchiveMissing", kCheck, missing("game/DATA.CDF"), "DATA.CDF", nullptr, 2},
        HostileCase{"CheckLoadoutIsAFolder", kCheck, folder("game/loadout.dat"), "loadout.dat", nullptr, 2},

        HostileCase{"ScriptBinary", kApply, text("game/edit.lox", kBinary), "edit.lox"},
        HostileCase{"ScriptPositionBeyondTheFile", kApply, text("game/edit.lox", "999999\r\n4\r\n"), "edit.lox"},
        HostileCase{"ScriptValueNotAByte", kApply, text("game/edit.lox", "9\r\n999\r\n"), "edit.lox"},
        HostileCase{"ScriptUnreadable", kApply, unreadable("game/edit.lox"), "edit.lox", "game/edit.lox"},
        HostileCase{"ApplyLoadoutMissing", kApply, missing("game/loadout.dat"), "loadout.dat"},
        HostileCase{"LoadoutDiffOldMissing", kLoadoutDiff,
            both(copied("game/loadout.dat", "game/new.dat"), missing("game/loadout.dat")), "loadout.dat"},
        HostileCase{"LoadoutDiffNewIsAFolder", kLoadoutDiff, folder("game/new.dat"), "new.dat is a folder"},
        HostileCase{"LoadoutDiffTargetReadOnly", kLoadoutDiff,
            both(copied("game/loadout.dat", "game/new.dat"),
                both(text("game/out.lox", "old"), readOnly("game/out.lox"))),
            "out.lox"},
        HostileCase{"LoadoutDiffTargetIsAFolder", kLoadoutDiff,
            both(copied("game/loadout.dat", "game/new.dat"), folder("game/out.lox")), "out.lox"},

        HostileCase{
            "LayoutUnreadable", kMenu, unreadable("game/layout_usa.txt"), "layout_usa.txt", "game/layout_usa.txt"},
        HostileCase{"LayoutBinary", kMenu, text("game/layout_usa.txt", kBinary), "layout_usa.txt"},
        HostileCase{"HangarLayoutMissing", kHangarMenu, missing("game/layout_hangar.txt"), "layout_hangar.txt"},

        HostileCase{"ModelBinary", kNormals, text("game/box.3dz", kBinary), "box.3dz"},
        HostileCase{"ModelEmpty", kNormals, text("game/box.3dz", ""), "box.3dz"},
        HostileCase{"NormalsTargetIsAFolder", kNormals, folder("game/box.txt"), "box.txt"},

        HostileCase{
            "SquadronSetUnreadable", kSet, unreadable("game/sqUK0001.dat"), "sqUK0001.dat", "game/sqUK0001.dat"},
        HostileCase{"PlaneListUnreadable", kSet, unreadable("game/planes.txt"), "planes.txt", "game/planes.txt"},

        HostileCase{"AirbaseListBinary", kBases, text("game/airbase.txt", kBinary), "airbase.txt"},
        HostileCase{"AirbaseListUnreadable", kBases, unreadable("game/airbase.txt"), "airbase.txt", "game/airbase.txt"},
        HostileCase{"MasterCopyIsAFolder", kBases, folder("game/airfield.bak"), "airfield.bak"},
        HostileCase{
            "BasesGameMissing", {"bases", "set", "nogame", "0", "1", "2", "3"}, [](const fs::path&) {}, "nogame"},

        HostileCase{"ReportGameMissing", {"report", "nogame"}, [](const fs::path&) {}, "nogame"},
        HostileCase{"ReportGameIsAFile", {"report", "game/loadout.dat"}, [](const fs::path&) {}, "loadout.dat"},
        HostileCase{"ReportTargetInAMissingFolder", {"report", "game", "-o", "game/no/such/Probewell.txt"},
            [](const fs::path&) {}, "Probewell.txt"},
        HostileCase{"MenuTargetInAMissingFolder",
            {"menu", "make", "game/layout_usa.txt", "--side", "usa", "-o", "game/no/such/picplna.mnu"},
            [](const fs::path&) {}, "picplna.mnu"},
        HostileCase{
            "ShowUnknownAircraftFile", {"flight", "show", "game", "P-51D"}, folder("game/planes.dat"), "planes.dat"},
        HostileCase{"SquadronNameWithAnEscape", {"squadron", "list", "game/sq\x1b[2J.dat"}, [](const fs::path&) {},
            "sq\\x1B[2J.dat: "}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vantorcli
