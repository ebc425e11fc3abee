// SPDX-License-Identifier: GPL-3.0-or-later
// A field added to a copy of the aircraft catalogue, at a place no field
// held: every command that walks the fields takes it with no change of its
// own.
#include "cli/CheckCommand.h"
#include "cli/CommandParser.h"
#include "cli/CommandTable.h"
#include "cli/DiffCommand.h"
#include "cli/FlightCommands.h"
#include "cli/tests/DemoGameTest.h"

#include "wingsmith/core/AircraftFiles.h"
#include "wingsmith/core/FieldCodes.h"
#include "wingsmith/core/FieldText.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/RecordFields.h"

#include "common/core/LittleEndian.h"

#include <optional>

namespace vantorcli::testing {
namespace {

namespace fs = std::filesystem;
using wingsmith::RecordField;

// Where the added fields lie in FLT.CDF's record of the P-38H.
constexpr std::size_t kCeiling = 320;
constexpr std::size_t kCeilingCaliber = 324;
std::size_t inArchive(std::size_t offset)
{
    return wingsmith::kFltCdfRecords + wingsmith::FltRecord::kSize * 21 + offset;
}

class AddedFieldTest : public DemoGameTest {
protected:
    std::vector<RecordField> flight = wingsmith::fltRecordFields();
    std::optional<wingsmith::AircraftCatalogue> catalogue;

    void SetUp() override
    {
        DemoGameTest::SetUp();
        flight.push_back({"ceiling", kCeiling, wingsmith::FieldType::Float, 0, wingsmith::FieldPages::kControl,
            "Ceiling", 0, 0, nullptr});
        flight.push_back({"ceilingCaliber", kCeilingCaliber, wingsmith::FieldType::Int16, 0,
            wingsmith::FieldPages::kControl, "Ceiling caliber", -32768, 32767, &wingsmith::caliberCodes()});
        catalogue.emplace(flight, wingsmith::gunTableRowFields());
        patchArchive(kCeiling, 8250.5f);
        patchArchive(kCeilingCaliber, std::int16_t{12});
    }

    void patchArchive(std::size_t offset, float value) const
    {
        Bytes bytes = common::readAllBytes(game / "FLT.CDF");
        common::le::putF32(bytes, inArchive(offset), value);
        common::writeAllBytes(game / "FLT.CDF", bytes);
    }
    void patchArchive(std::size_t offset, std::int16_t value) const
    {
        Bytes bytes = common::readAllBytes(game / "FLT.CDF");
        common::le::putI16(bytes, inArchive(offset), value);
        common::writeAllBytes(game / "FLT.CDF", bytes);
    }

    // What a command prints, run with the copy of the catalogue.
    std::string output(const std::string& group, const std::string& name, const std::vector<std::string>& arguments,
        int (*run)(const CommandArguments&, const wingsmith::AircraftCatalogue&), int exitCode = 0) const
    {
        const Command* command = nullptr;
        for (const Command* c : commandGroup(group))
            if (c->name == name)
                command = c;
        EXPECT_NE(command, nullptr) << group << " " << name;
        if (!command)
            return {};
        const auto parsed = parseCommand(*command, arguments);
        EXPECT_TRUE(parsed.has_value());
        ::testing::internal::CaptureStdout();
        const int code = run(*parsed, *catalogue);
        std::string out = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(code, exitCode) << out;
        return out;
    }
};

TEST_F(AddedFieldTest, ExportAndShowListIt)
{
    const auto csv = output("flight", "export", {(game).string(), "--aircraft", "P-38H"}, &flightExport);
    const auto header = csv.substr(0, csv.find('\n'));
    EXPECT_NE(header.find(",ceiling,ceilingCaliber,"), std::string::npos) << header;
    EXPECT_NE(csv.find(",8250.5,12,"), std::string::npos) << csv;

    const auto json = output("flight", "export", {game.string(), "--format", "json"}, &flightExport);
    EXPECT_NE(json.find("\"ceiling\": 8250.5"), std::string::npos);

    const auto shown = output("flight", "show", {game.string(), "P-38H"}, &flightShow);
    const auto control = shown.find("Flight control data");
    const auto line = shown.find("  Ceiling caliber");
    ASSERT_NE(line, std::string::npos) << shown;
    EXPECT_GT(line, control);
    EXPECT_NE(shown.find("12 (20 mm cannon)", line), std::string::npos) << shown;
    // The ticked type flags, by the captions the row's flag fields carry.
    EXPECT_NE(shown.find("  Ticked: Fighter, Flyable, Twin Engined, American, Inline Engine, Gear Center (Nose), "
                         "Counter Rotating Props, Armor\n"),
        std::string::npos)
        << shown;
}

TEST_F(AddedFieldTest, ImportWritesItAndNothingElse)
{
    const Bytes archive = common::readAllBytes(game / "FLT.CDF");
    const Bytes record(archive.begin() + static_cast<std::ptrdiff_t>(inArchive(0)),
        archive.begin() + static_cast<std::ptrdiff_t>(inArchive(wingsmith::FltRecord::kSize)));
    common::writeAllText(work / "table.csv", "aircraft,ceiling\nP-38H,1234\n");

    const auto out = output("flight", "import", {(work / "table.csv").string(), game.string()}, &flightImport);
    EXPECT_EQ(out, "P-38H (P38H.FLT) ceiling: 8250.5 -> 1234\n");
    Bytes expected = record;
    common::le::putF32(expected, kCeiling, 1234.0f);
    EXPECT_EQ(common::readAllBytes(game / "P38H.FLT"), expected);
    EXPECT_EQ(common::readAllBytes(game / "FLT.CDF"), archive);
}

TEST_F(AddedFieldTest, DiffNamesItWhereItsBytesDiffer)
{
    const fs::path other = work / "other";
    fs::copy(game, other, fs::copy_options::recursive);
    Bytes bytes = common::readAllBytes(other / "FLT.CDF");
    common::le::putF32(bytes, inArchive(kCeiling), 9000.0f);
    common::writeAllBytes(other / "FLT.CDF", bytes);

    const auto out = output("diff", "", {game.string(), other.string()}, &diff, 1);
    EXPECT_EQ(out, "P38H.FLT: P-38H ceiling: 8250.5 -> 9000\n");
}

TEST_F(AddedFieldTest, CheckJudgesItByItsDomain)
{
    // The other aircraft hold a code the game knows there too.
    Bytes bytes = common::readAllBytes(game / "FLT.CDF");
    for (std::size_t k = 0; k < 30; ++k)
        common::le::putI16(bytes, wingsmith::kFltCdfRecords + wingsmith::FltRecord::kSize * k + kCeilingCaliber, 12);
    common::writeAllBytes(game / "FLT.CDF", bytes);
    EXPECT_TRUE(checkInstallation(game, *catalogue).empty());
    patchArchive(kCeilingCaliber, std::int16_t{7});
    const auto lines = checkInstallation(game, *catalogue);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "P38H.FLT: P-38H ceilingCaliber is 7, expected one of 2, 4, 12, 24");
    // The program's own catalogue knows no such field.
    EXPECT_TRUE(checkInstallation(game).empty());
}

} // namespace
} // namespace vantorcli::testing
