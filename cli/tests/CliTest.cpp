// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built vantor on demo installations, as a modder's script would.
#include "menuwright/menufile/MenuFileWriter.h"
#include "menuwright/menufile/Side.h"
#include "ordnix/core/ChangeScript.h"
#include "ordnix/core/LoadoutFile.h"
#include "ordnix/core/LoadoutRecord.h"
#include "tools/demogen/DemoInstallation.h"
#include "tools/demogen/MenuDemo.h"
#include "vector/core/ModelNormals.h"
#include "vector/core/ModelReader.h"
#include "vector/core/NormalsText.h"
#include "wingsmith/core/AircraftRoster.h"
#include "wingsmith/core/FltRecord.h"

#include "cli/tests/VantorCommand.h"

#include "common/core/LittleEndian.h"
#include "common/core/TextLines.h"
#include "common/testing/ProgramRun.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace vantorcli {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Snapshot = std::map<std::string, Bytes>;

class Cli : public ::testing::Test {
protected:
    common::TempDir work;
    fs::path game = work / "game";

    void SetUp() override { demogen::writeDemoInstallation(game); }

    common::ProgramRun vantor(const QStringList& arguments) const { return runVantor(work.path(), arguments); }

    static Snapshot snapshot(const fs::path& dir)
    {
        // Backups/ is where a change puts the originals: not part of the game.
        Snapshot files;
        for (const auto& e : fs::recursive_directory_iterator(dir))
            if (e.is_regular_file() && !fs::relative(e.path(), dir).string().starts_with("Backups/"))
                files[fs::relative(e.path(), dir).string()] = common::readAllBytes(e.path());
        return files;
    }

    // The flight table as exported, with one cell replaced.
    std::string exportedCsv(const std::string& column = {}, int aircraft = 0, const std::string& value = {}) const
    {
        const auto run = vantor({"flight", "export", "game"});
        EXPECT_EQ(run.exitCode, 0) << run.standardError;
        if (column.empty())
            return run.standardOutput;
        auto lines = common::splitTextLines(run.standardOutput);
        std::vector<std::string> header;
        std::stringstream h(lines[0]);
        for (std::string cell; std::getline(h, cell, ',');)
            header.push_back(cell);
        std::vector<std::string> cells;
        std::stringstream r(lines[static_cast<std::size_t>(aircraft + 1)]);
        for (std::string cell; std::getline(r, cell, ',');)
            cells.push_back(cell);
        cells.resize(header.size());
        std::size_t at = 0;
        while (at < header.size() && header[at] != column)
            ++at;
        if (at == header.size())
            header.push_back(column), cells.push_back(value), lines[0] += "," + column;
        else
            cells[at] = value;
        std::string line;
        for (std::size_t c = 0; c < cells.size(); ++c)
            line += (c ? "," : "") + cells[c];
        lines[static_cast<std::size_t>(aircraft + 1)] = line;
        return common::joinCrlfLines(lines);
    }
};

TEST_F(Cli, UnchangedFlightTablesImportWithoutWritingAndOneEditChangesOneField)
{
    const Snapshot before = snapshot(game);
    for (const char* format : {"csv", "json"}) {
        const auto table = vantor({"flight", "export", "game", "--format", format});
        ASSERT_EQ(table.exitCode, 0) << table.standardError;
        common::writeAllText(work / "table", table.standardOutput);
        const auto run = vantor({"flight", "import", "table", "game"});
        EXPECT_EQ(run.exitCode, 0) << run.standardError;
        EXPECT_EQ(run.standardOutput, "") << format;
        EXPECT_EQ(snapshot(game), before) << format;
    }

    // P-51D (list position 5): its loose file appears, holding the archive
    // record with only the best altitude changed.
    common::writeAllText(work / "edit.csv", exportedCsv("engineBestAltitude", 5, "7777.25"));
    const auto run = vantor({"flight", "import", "edit.csv", "game"});
    ASSERT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_EQ(run.standardOutput, "P-51D (P51D.FLT) engineBestAltitude: 7900 -> 7777.25\n");
    const Bytes archive = common::readAllBytes(game / "FLT.CDF");
    const auto at = wingsmith::kFltCdfRecords + wingsmith::FltRecord::kSize * 24u;
    Bytes expected(archive.begin() + static_cast<std::ptrdiff_t>(at),
        archive.begin() + static_cast<std::ptrdiff_t>(at + wingsmith::FltRecord::kSize));
    common::le::putF32(expected, wingsmith::FltRecord::kEngineBestAltitude, 7777.25f);
    EXPECT_EQ(common::readAllBytes(game / "P51D.FLT"), expected);
    Snapshot after = snapshot(game);
    after.erase("P51D.FLT");
    EXPECT_EQ(after, before);
}

struct BadImport {
    const char* name;
    int row; // an unknown column is met in the first row of values
    const char* column;
    const char* value;
    const char* message;
};

class RefusedImport : public Cli, public ::testing::WithParamInterface<BadImport> {};

TEST_P(RefusedImport, NamesRowAndFieldAndWritesNothing)
{
    const Snapshot before = snapshot(game);
    common::writeAllText(work / "bad.csv", exportedCsv(GetParam().column, 2, GetParam().value));
    const auto run = vantor({"flight", "import", "bad.csv", "game"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.standardError.find("bad.csv: row " + std::to_string(GetParam().row) + ", field " + GetParam().column + ": "
                  + GetParam().message),
        std::string::npos)
        << run.standardError;
    EXPECT_EQ(snapshot(game), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedImport,
    ::testing::Values(BadImport{"UnknownField", 2, "wingFlex", "1", "no such field"},
        BadImport{"HitPointAboveAByte", 4, "hitPoints.pilot", "256", "'256' is outside 0 to 255"},
        BadImport{"GroupCountAboveSix", 4, "gunGroupCount", "7", "'7' is outside 0 to 6"},
        BadImport{"NotANumber", 4, "emptyMass", "heavy", "'heavy' is not a number"},
        BadImport{"GroupBeyondTheCount", 4, "gun6.ammo", "100", "gun group 6 is beyond the group count"}),
    [](const ::testing::TestParamInfo<BadImport>& info) { return std::string(info.param.name); });

TEST_F(Cli, MissingGameFolderIsRefused)
{
    EXPECT_EQ(vantor({"flight", "export", "nowhere"}).exitCode, 1);
    const auto diff = vantor({"diff", "game", "nowhere"});
    EXPECT_EQ(diff.exitCode, 2);
    EXPECT_NE(diff.standardError.find("nowhere: File not found"), std::string::npos) << diff.standardError;
    EXPECT_EQ(vantor({"flight", "export"}).exitCode, 2);
}

TEST_F(Cli, DiffOfAnInstallationWithItselfIsEmptyAndOneEditIsNamed)
{
    fs::copy(game, work / "copy", fs::copy_options::recursive);
    const auto same = vantor({"diff", "game", "copy"});
    EXPECT_EQ(same.exitCode, 0) << same.standardError;
    EXPECT_EQ(same.standardOutput, "");

    common::writeAllText(work / "edit.csv", exportedCsv("gun1.ammo", 9, "123"));
    ASSERT_EQ(vantor({"flight", "import", "edit.csv", "copy"}).exitCode, 0);
    // A weapon of loadout record 0, and a header byte no field covers.
    Bytes loadout = common::readAllBytes(work / "copy" / "loadout.dat");
    const std::string weapon = std::to_string(loadout.at(8));
    loadout[8] = 77;
    loadout[1] ^= 0xFF;
    common::writeAllBytes(work / "copy" / "loadout.dat", loadout);

    const auto differ = vantor({"diff", "game", "copy"});
    EXPECT_EQ(differ.exitCode, 1);
    // The copy now has its own planes.dat; the other side's gun table is
    // still in DATA.CDF, and the aircraft compare all the same.
    const auto lines = common::splitTextLines(differ.standardOutput);
    ASSERT_EQ(lines.size(), 4u) << differ.standardOutput;
    EXPECT_TRUE(lines[0].starts_with("planes.dat: Hurricane gun1.ammo: ") && lines[0].ends_with(" -> 123")) << lines[0];
    EXPECT_EQ(lines[1], "only in B: planes.dat");
    EXPECT_EQ(lines[2], "loadout.dat: record 0 slot1.weapon: " + weapon + " -> 77");
    EXPECT_EQ(lines[3], "loadout.dat: 1 byte differs outside the compared fields, at offset 1");
}

TEST_F(Cli, LoadoutScriptsMatchOrdnixAndApplyBackToItsFile)
{
    // An edit as Ordnix makes it: a weapon of record 0 and an option count,
    // saved with "Save Loadout" and recorded with "Save Block".
    ordnix::LoadoutImage image = ordnix::LoadFile(game, "loadout.dat");
    ordnix::LoadoutRecord record = ordnix::ReadRecord(image, 0);
    record.weaponSlots[0].weapon = "4";
    ordnix::WriteRecord(image, 0, record);
    image.setCurrent(7932, "2");
    ordnix::WriteScript(image, work / "ordnix.lox");
    const fs::path edited = ordnix::SaveImage(image, game, false);

    const auto diff = vantor({"loadout", "diff", "game/loadout.dat", QString::fromStdString(edited.string()), "-o", "cli.lox"});
    ASSERT_EQ(diff.exitCode, 0) << diff.standardError;
    EXPECT_EQ(common::readAllBytes(work / "cli.lox"), common::readAllBytes(work / "ordnix.lox"));

    const auto apply = vantor({"loadout", "apply", "cli.lox", "game/loadout.dat"});
    ASSERT_EQ(apply.exitCode, 0) << apply.standardError;
    EXPECT_EQ(common::readAllBytes(game / "Loadout.002"), common::readAllBytes(edited));

    const Snapshot before = snapshot(game);
    common::writeAllText(work / "beyond.lox", "9\r\n4\r\n99999\r\n1\r\n");
    const auto beyond = vantor({"loadout", "apply", "beyond.lox", "game/loadout.dat", "--replace"});
    EXPECT_EQ(beyond.exitCode, 1);
    EXPECT_NE(beyond.standardError.find("position 99999 lies beyond"), std::string::npos) << beyond.standardError;
    EXPECT_EQ(snapshot(game), before);
}

TEST_F(Cli, MenuFilesAreThoseOfTheDemoButtons)
{
    const std::vector<std::tuple<const char*, const char*, demogen::MenuDemoSide, menuwright::Side>> selections{
        {demogen::kDemoUsaLayout, "usa", demogen::MenuDemoSide::USA, menuwright::Side::USA},
        {demogen::kDemoBritainLayout, "Britain", demogen::MenuDemoSide::Britain, menuwright::Side::Britain},
        {demogen::kDemoAxisLayout, "axis", demogen::MenuDemoSide::Axis, menuwright::Side::Axis}};
    const auto row = [](const demogen::DemoButton& b) {
        return menuwright::ButtonRow{b.caption, std::to_string(b.left), std::to_string(b.top), std::to_string(b.width),
            std::to_string(b.height)};
    };
    for (const auto& [layout, side, demoSide, menuSide] : selections) {
        menuwright::SelectionLayout expected;
        expected.side = menuSide;
        expected.pictureName = menuwright::selectionPictureName(menuSide);
        const auto buttons = demogen::demoSelectionButtons(demoSide);
        for (std::size_t i = 0; i < buttons.size(); ++i)
            expected.rows[i] = row(buttons[i]);
        const auto run = vantor({"menu", "make", QString("game/") + layout, "--side", side, "-o", "out.mnu"});
        ASSERT_EQ(run.exitCode, 0) << run.standardError;
        EXPECT_EQ(common::readAllBytes(work / "out.mnu"), menuwright::buildSelectionFile(expected)) << side;
    }
    menuwright::HangarLayout hangar;
    const auto buttons = demogen::demoHangarButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        hangar.rows[i] = row(buttons[i]);
    const auto run = vantor({"menu", "make", QString("game/") + demogen::kDemoHangarLayout, "--side", "hangar-axis"});
    ASSERT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_EQ(common::readAllBytes(work / "hangargr.mnu"), menuwright::buildHangarFile(hangar));
}

TEST_F(Cli, NormalsAreVectorsTextAfterCalculating)
{
    for (const char* model : {"box.3dz", "sparrow.3dz", "dome.3dz"}) {
        auto expected = std::make_unique<::vector::Model>(::vector::readModel(game, model, ::vector::Model{}));
        ::vector::calculateNormals(*expected);
        const auto run = vantor({"normals", QString("game/") + model});
        ASSERT_EQ(run.exitCode, 0) << run.standardError;
        EXPECT_EQ(run.standardOutput, common::joinCrlfLines(::vector::normalsText(*expected))) << model;
    }
}

TEST_F(Cli, SquadronAndBasesCommandsChangeTheirFiles)
{
    const auto original = common::readAllBytes(game / "sqUK0001.dat");
    const auto set = vantor({"squadron", "set", "game/sqUK0001.dat", "1", "10"});
    ASSERT_EQ(set.exitCode, 0) << set.standardError;
    EXPECT_EQ(common::readAllBytes(game / "sqUK0001.dat").at(6), 10);
    // The original went into this run's backup folder, which stderr names.
    ASSERT_TRUE(fs::is_directory(game / "Backups"));
    const auto run = fs::directory_iterator(game / "Backups")->path();
    EXPECT_EQ(common::readAllBytes(run / "sqUK0001.dat"), original);
    EXPECT_NE(set.standardError.find(run.filename().string()), std::string::npos) << set.standardError;
    EXPECT_EQ(vantor({"squadron", "set", "game/sqUK0001.dat", "1", "3"}).exitCode, 1); // an American aircraft

    ASSERT_EQ(vantor({"bases", "set", "game", "0", "1", "2", "3"}).exitCode, 0);
    EXPECT_TRUE(fs::exists(game / "airfield.dat"));
    const auto show = vantor({"bases", "show", "game"});
    EXPECT_EQ(show.exitCode, 0);
    EXPECT_NE(show.standardOutput.find("Allied Base 1: "), std::string::npos);
    ASSERT_EQ(vantor({"bases", "standard", "game"}).exitCode, 0);
    EXPECT_FALSE(fs::exists(game / "airfield.dat"));
}

// A real file-size limit: the report is refused whole, the reason named,
// and the earlier report stays as it was.
TEST_F(Cli, AFileSizeLimitLeavesTheEarlierReportWhole)
{
    common::writeAllText(game / "Probewell.txt", "an earlier report\r\n");
    const auto run = runVantorWithFileLimit(work.path(), {"report", "game", "-o", "game/Probewell.txt"}, 1);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.standardError.find("Probewell.txt: Disk full"), std::string::npos) << run.standardError;
    EXPECT_EQ(common::readAllText(game / "Probewell.txt"), "an earlier report\r\n");
    for (const auto& e : fs::directory_iterator(game))
        EXPECT_NE(e.path().filename().string().front(), '.') << e.path(); // no temporary file
    EXPECT_EQ(vantor({"report", "game", "-o", "game/Probewell.txt"}).exitCode, 0);
    EXPECT_GT(fs::file_size(game / "Probewell.txt"), 512u);
}

} // namespace
} // namespace vantorcli
