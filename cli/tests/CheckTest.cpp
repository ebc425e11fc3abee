// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/tests/DemoGameTest.h"

#include "menuwright/menufile/MenuFileWriter.h"
#include "ordnix/core/LoadoutLayout.h"
#include "rosterly/core/SquadronFile.h"
#include "tools/demogen/OrdnixDemo.h"
#include "wingsmith/core/FltRecord.h"

#include "common/core/LittleEndian.h"

namespace vantorcli::testing {
namespace {

class CheckTest : public DemoGameTest {
protected:
    void patchI16(const std::string& file, std::size_t at, std::int16_t value)
    {
        Bytes bytes = common::readAllBytes(game / file);
        common::le::putI16(bytes, at, value);
        common::writeAllBytes(game / file, bytes);
    }

    static std::size_t gunGroupField(int row, std::size_t field)
    {
        return static_cast<std::size_t>(wingsmith::kDataCdfGunTable) + wingsmith::GunTableRow::kSize * row
            + wingsmith::GunTableRow::kGroups + field;
    }
};

TEST_F(CheckTest, TheDemoHoldsNothingTheGameDoesNotKnow)
{
    const auto run = vantor({"check", "game"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_EQ(run.standardOutput, "");
}

// A caliber code off the list, a gun position of 99, a loadout aircraft
// beyond planes.txt, a button off the screen and a squadron's code no
// aircraft has: each named once, on a line
// of its own, and not a byte changed.
TEST_F(CheckTest, NamesEachUnknownValueOnceAndChangesNothing)
{
    patchI16("DATA.CDF", gunGroupField(5, 4), 7);  // P-51D's first group: caliber
    patchI16("DATA.CDF", gunGroupField(0, 2), 99); // the first aircraft's first group: position
    Bytes loadout = common::readAllBytes(game / "loadout.dat");
    const auto planes = demogen::demoPlaneNames().size();
    loadout[ordnix::RecordStart(2) - 1] = static_cast<std::uint8_t>(planes);
    common::writeAllBytes(game / "loadout.dat", loadout);
    Bytes squadron = common::readAllBytes(game / "sqUS0001.dat");
    squadron.at(rosterly::SquadronFile::codeOffset(1)) = 45;
    common::writeAllBytes(game / "sqUS0001.dat", squadron);
    menuwright::HangarLayout hangar;
    for (std::size_t i = 0; i < hangar.rows.size(); ++i)
        hangar.rows[i] = {menuwright::HangarLayout::defaultCaptions()[i], "10", "10", "50", "20"};
    hangar.rows[1] = {menuwright::HangarLayout::defaultCaptions()[1], "601", "0", "40", "10"};
    std::filesystem::create_directories(game / "Menus");
    menuwright::writeHangarFile(game / "Menus" / "hangar01.mnu", hangar);
    // A backed-up copy is not the installation: it is not listed.
    const auto backup = game / "Backups" / "vantor-20260101-000000" / "Menus";
    std::filesystem::create_directories(backup);
    std::filesystem::copy_file(game / "Menus" / "hangar01.mnu", backup / "hangar01.mnu");
    const Snapshot before = snapshot(game);

    const auto run = vantor({"check", "game"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 1) << run.standardError;
    const std::string expected = "planes.dat: P-38H gun1.position is 99, expected one of 0, 1, 2, 3, 4, 5, 6, 7, 8, "
                                 "9, 10, 11, 12, 13\n"
                                 "planes.dat: P-51D gun1.caliber is 7, expected one of 2, 4, 12, 24\n"
                                 "loadout.dat: record 3 (position "
        + std::to_string(ordnix::RecordStart(2)) + ") aircraft code is " + std::to_string(planes)
        + ", beyond Planes.txt (" + std::to_string(planes)
        + " aircraft)\n"
          "Menus/hangar01.mnu: button 2 reaches beyond the 640 x 480 screen (L 601, T 0, W 40, H 10)\n"
          "sqUS0001.dat: record 2 aircraft: 45 is not an aircraft a squadron may fly (0-29); Rosterly lists it as "
          "Error\n";
    EXPECT_EQ(run.standardOutput, expected);
    EXPECT_EQ(snapshot(game), before);
}

// flight show names a code from the same list check judges it by: a known
// caliber by its name, an unknown one by its number alone.
TEST_F(CheckTest, ShowNamesTheCodesCheckKnows)
{
    patchI16("DATA.CDF", gunGroupField(5, 4), 7);
    patchI16("DATA.CDF", gunGroupField(5, 12 + 4), 24);
    const auto run = vantor({"flight", "show", "game", "P-51D"});
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.standardError;
    const auto line = [&](const std::string& label) {
        const auto at = run.standardOutput.find("  " + label + " ");
        return at == std::string::npos ? std::string()
                                       : run.standardOutput.substr(at, run.standardOutput.find('\n', at) - at);
    };
    EXPECT_TRUE(line("Group 1 Caliber").ends_with(" 7")) << line("Group 1 Caliber");
    EXPECT_TRUE(line("Group 2 Caliber").ends_with(" 24 (30 mm cannon)")) << line("Group 2 Caliber");
}

TEST_F(CheckTest, AFolderThatIsNotThereIsTrouble)
{
    const auto run = vantor({"check", "no-such-game"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.standardError.find("File not found"), std::string::npos) << run.standardError;
    EXPECT_EQ(run.standardOutput, "");
}

} // namespace
} // namespace vantorcli::testing
