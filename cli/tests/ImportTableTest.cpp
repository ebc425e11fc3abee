// SPDX-License-Identifier: GPL-3.0-or-later
// vantor flight import and loadout apply on tables and scripts as editors
// and spreadsheets leave them.
#include "DemoGameTest.h"

#include "common/core/TextLines.h"

namespace vantorcli {
namespace {

class ImportTable : public testing::DemoGameTest {
protected:
    common::ProgramRun import(const std::string& text, QStringList options = {}) const
    {
        common::writeAllText(work / "t.csv", text);
        return vantor(QStringList{"flight", "import", "t.csv", "game"} + options);
    }
};

// What a run says on stderr beyond the note naming its backup folder.
std::string remarks(const common::ProgramRun& run)
{
    std::string out;
    for (const std::string& line : common::splitTextLines(run.standardError))
        if (!line.starts_with("vantor: originals backed up in "))
            out += line + "\n";
    return out;
}

struct RefusedTable {
    const char* name;
    const char* text;
    const char* message;
};

void PrintTo(const RefusedTable& c, std::ostream* os)
{
    *os << c.name;
}

class RefusedTableTest : public ImportTable, public ::testing::WithParamInterface<RefusedTable> {};

TEST_P(RefusedTableTest, IsRefusedInOneLineAndChangesNothing)
{
    const Snapshot before = snapshot(game);
    const auto run = import(GetParam().text);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.standardError, std::string("vantor: t.csv: ") + GetParam().message + "\n");
    EXPECT_EQ(run.standardOutput, "");
    EXPECT_TRUE(snapshot(game) == before);
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedTableTest,
    ::testing::Values(
        RefusedTable{"ColumnTwice", "aircraft,engineBestAltitude,engineBestAltitude\r\nP-51D,7000,7100\r\n",
            "row 1: column engineBestAltitude is given twice"},
        RefusedTable{"SameValueTwice", "aircraft,emptyMass,engineCount,emptyMass\nP-51D,7000,1,7000\n",
            "row 1: column emptyMass is given twice"},
        RefusedTable{"AircraftColumnTwice", "aircraft,fuelMass,aircraft\r\nP-51D,1000,P-47D\r\n",
            "row 1: column aircraft is given twice"},
        RefusedTable{"JsonFieldTwice",
            "[{\"aircraft\": \"P-47D\"},\n {\"aircraft\": \"P-51D\", \"emptyMass\": 7000, \"emptyMass\": 7100}]",
            "row 2: field emptyMass is given twice"},
        RefusedTable{"Semicolons", "aircraft;engineBestAltitude\r\nP-51D;7000\r\n",
            "row 1: the separator is ';' where ',' is expected"},
        RefusedTable{"SemicolonsAfterAByteOrderMark", "\xEF\xBB\xBF\"aircraft\";\"fuelMass\"\r\nP-51D;1000\r\n",
            "row 1: the separator is ';' where ',' is expected"}),
    [](const ::testing::TestParamInfo<RefusedTable>& info) { return std::string(info.param.name); });

// Spreadsheets start a "CSV UTF-8" file with a byte-order mark.
TEST_F(ImportTable, AByteOrderMarkIsNoPartOfTheFirstColumn)
{
    for (const char* table : {"\xEF\xBB\xBF"
                              "aircraft,engineBestAltitude\r\nP-51D,7777.25\r\n",
             "\xEF\xBB\xBF[{\"aircraft\": \"P-51D\", \"engineBestAltitude\": 7777.25}]"}) {
        const auto run = import(table, {"--dry-run"});
        EXPECT_EQ(run.exitCode, 0) << run.standardError;
        EXPECT_EQ(run.standardError, "");
        EXPECT_EQ(run.standardOutput, "P-51D (P51D.FLT) engineBestAltitude: 7900 -> 7777.25\n");
    }
}

// Values stored first as exact texts, then the table as a spreadsheet saves
// it: long values shortened, the sign of a zero dropped. (The float nearest
// 1234.5678 reads 1234.5677.)
TEST_F(ImportTable, ValuesASpreadsheetRoundedAreNamedAndRefusedWhenStrict)
{
    const auto stored = import("aircraft,engineBestAltitude,emptyMass,fuelMass,massUnknown1\r\n"
                               "P-51D,2455615000000000,-0,1234.5678,0.33333334\r\n");
    ASSERT_EQ(stored.exitCode, 0) << stored.standardError;
    ASSERT_EQ(remarks(stored), "");
    const std::string resaved = "aircraft,engineBestAltitude,emptyMass,fuelMass,massUnknown1\r\n"
                                "P-51D,2.46E+15,0,1234.57,0.333333\r\n"
                                "P-47D,2.46E+15,0,1234.57,0.333333\r\n";

    const Snapshot before = snapshot(game);
    const auto strict = import(resaved, {"--strict"});
    EXPECT_EQ(strict.exitCode, 1);
    EXPECT_EQ(strict.standardOutput, "");
    EXPECT_TRUE(snapshot(game) == before);
    EXPECT_EQ(strict.standardError,
        "vantor: t.csv: 4 values look rounded by a spreadsheet: P-51D engineBestAltitude (2.455615e+15 -> 2.46e+15), "
        "P-51D emptyMass (-0 -> 0) and 2 more; nothing was changed\n");

    // P-47D's new values were typed: they are not counted.
    const auto warned = import(resaved);
    EXPECT_EQ(warned.exitCode, 0) << warned.standardError;
    EXPECT_EQ(remarks(warned),
        "vantor: t.csv: 4 values look rounded by a spreadsheet: P-51D engineBestAltitude (2.455615e+15 -> 2.46e+15), "
        "P-51D emptyMass (-0 -> 0) and 2 more; imported as given "
        "(--strict refuses them)\n");
    EXPECT_EQ(common::splitTextLines(warned.standardOutput).size(), 8u) << warned.standardOutput;
    EXPECT_FALSE(snapshot(game) == before);

    // Exact values import without a word, under --strict too.
    const auto exact = import("aircraft,engineBestAltitude\r\nP-51D,2455615000000000\r\n", {"--strict"});
    EXPECT_EQ(exact.exitCode, 0) << exact.standardError;
    EXPECT_EQ(remarks(exact), "");
}

TEST_F(ImportTable, AScriptNamingAPositionTwiceIsRefused)
{
    const Snapshot before = snapshot(game);
    common::writeAllText(work / "twice.lox", "9\r\n4\r\n12\r\n1\r\n9\r\n5\r\n");
    const auto run = vantor({"loadout", "apply", "twice.lox", "game/loadout.dat"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.standardError, "vantor: twice.lox: Line 5 names position 9 again (first on line 1).\n");
    EXPECT_TRUE(snapshot(game) == before);
}

} // namespace
} // namespace vantorcli
