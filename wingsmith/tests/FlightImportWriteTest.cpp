// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoGame.h"

#include "wingsmith/core/FlightImport.h"
#include "wingsmith/core/FieldText.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/RecordFields.h"
#include "wingsmith/core/Workspace.h"

#include "common/core/FileFaults.h"
#include "common/core/IoError.h"
#include "common/core/RunBackups.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>

namespace wingsmith {
namespace {

namespace fs = std::filesystem;
using testing::DemoGame;
using Snapshot = std::map<std::string, std::vector<std::uint8_t>>;

Snapshot filesOf(const fs::path& folder)
{
    Snapshot s;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.is_regular_file())
            s[e.path().filename().string()] = common::readAllBytes(e.path());
    return s;
}

// P-38H's loose file is there, P-51D's is not (the import takes it from
// FLT.CDF), Bf 110C's may not be written.
struct ImportGame {
    DemoGame game;
    ImportGame()
    {
        extractGunTable(game.path());
        Workspace().extractFltFiles(game.path());
        fs::remove(game / "P51D.FLT");
    }
    std::vector<FieldChange> plan(const AircraftFiles& files) const
    {
        return planFlightImport(files,
            {{"row 2", "P-38H", {{"engineBestAltitude", "8100"}}}, {"row 3", "P-51D", {{"engineBestAltitude", "8200"}}},
                {"row 4", "Bf 110C", {{"engineBestAltitude", "8300"}}}});
    }
};

// An import is one change of the game: when its last write fails (a full
// disk), the files before it are put back and the loose file it took from
// the archive goes again, with no backup folder left.
TEST(FlightImportWrite, AnImportThatFailsPartWayChangesNoFileAndLeavesNothingBehind)
{
    int writes = 0;
    {
        ImportGame g;
        const AircraftFiles files = readAircraftFiles(g.game.path());
        common::FileFaults::reset();
        applyFlightImport(files, g.plan(files));
        writes = common::FileFaults::count(common::FileOp::Write);
    }
    ImportGame g;
    const Snapshot before = filesOf(g.game.dir.path());
    common::RunBackups::start("vantor", g.game.dir.path());
    const AircraftFiles files = readAircraftFiles(g.game.path());
    const auto changes = g.plan(files);
    ASSERT_EQ(changes.size(), 3u);
    common::FileFaults::reset();
    common::FileFaults::failNth(common::FileOp::Write, writes, ENOSPC);
    try {
        applyFlightImport(files, changes);
        ADD_FAILURE() << "a failed write was reported as success";
    } catch (const common::IoError& e) {
        EXPECT_EQ(e.failure(), common::IoFailure::DiskFull);
    }
    common::FileFaults::reset();
    common::RunBackups::stop();
    EXPECT_EQ(filesOf(g.game.dir.path()), before);
    EXPECT_FALSE(fs::exists(g.game / "P51D.FLT"));
    EXPECT_FALSE(fs::exists(g.game / "Backups"));
}

// The loose file the import made a moment before was never the user's:
// only the files that were there are backed up.
TEST(FlightImportWrite, AnImportBacksUpOnlyTheFilesThatWereThere)
{
    ImportGame g;
    common::RunBackups::start("vantor", g.game.dir.path());
    const AircraftFiles files = readAircraftFiles(g.game.path());
    applyFlightImport(files, g.plan(files));
    const auto folder = common::RunBackups::lastFolder();
    common::RunBackups::stop();
    ASSERT_TRUE(folder);
    EXPECT_TRUE(fs::exists(*folder / "P38H.FLT"));
    EXPECT_TRUE(fs::exists(*folder / "110C.FLT"));
    EXPECT_FALSE(fs::exists(*folder / "P51D.FLT"));
    EXPECT_TRUE(fs::exists(g.game / "P51D.FLT"));
}

// The import saves through Wingsmith's own save: each file comes out as it
// was with exactly the changes' bytes in place, whichever record, row or
// file the change lies in, and a file no change needs is neither written
// nor taken from its archive.
TEST(FlightImportWrite, AnImportChangesExactlyTheBytesOfItsChanges)
{
    // A -0 over a 0 compares equal as a number, yet it is a change of bytes.
    std::string zero;
    {
        const ImportGame g;
        const AircraftFiles files = readAircraftFiles(g.game.path());
        const int p51 = aircraftPosition("P-51D");
        for (const RecordField& f : fltRecordFields())
            if (zero.empty() && f.type == FieldType::Float && fieldInUse(f, files.groupCount(p51))
                && storedBytes(files.record(p51), f) == std::vector<std::uint8_t>(4, 0))
                zero = f.name;
        ASSERT_FALSE(zero.empty()) << "the demo P-51D holds no 0";
    }
    const struct {
        const char* what;
        std::vector<ImportRow> rows;
        bool gunTableInArchive;
    } cases[] = {
        {"a float", {{"row 2", "P-38H", {{"engineBestAltitude", "8100"}}}}, false},
        {"a row and a record",
            {{"row 2", "P-38H", {{"gun1.ammo", "345"}, {"hitPoints.pilot", "77"}, {"collisionRadius", "12"}}}}, false},
        {"a record only in its archive", {{"row 3", "P-51D", {{zero, "-0"}}}}, false},
        {"records alone, the gun table in its archive",
            {{"row 2", "P-38H", {{"engineUnknown2", "0.25"}}}, {"row 3", "P-51D", {{"fuelMass", "1234.5"}}}}, true},
        {"a row with the gun table in its archive", {{"row 2", "P-38H", {{"gun1.ammo", "99"}}}}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ImportGame g;
        if (c.gunTableInArchive)
            fs::remove(g.game / "planes.dat");
        const Snapshot before = filesOf(g.game.dir.path());
        const AircraftFiles files = readAircraftFiles(g.game.path());
        const auto changes = planFlightImport(files, c.rows);
        ASSERT_FALSE(changes.empty());

        Snapshot expected = before;
        for (const FieldChange& ch : changes) {
            const auto idx = static_cast<std::size_t>(ch.position);
            const std::string name = ch.gunTable ? "planes.dat" : files.recordPaths[idx].filename().string();
            if (!expected.count(name))
                expected[name] = ch.gunTable ? files.gunTable : files.records[idx];
            const std::size_t at = (ch.gunTable ? GunTableRow::kSize * idx : 0) + ch.field->offset;
            std::copy(ch.bytes.begin(), ch.bytes.end(), expected[name].begin() + static_cast<std::ptrdiff_t>(at));
        }
        applyFlightImport(files, changes);
        EXPECT_EQ(filesOf(g.game.dir.path()), expected);
    }
}

} // namespace
} // namespace wingsmith
