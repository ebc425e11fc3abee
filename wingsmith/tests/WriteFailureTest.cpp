// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoGame.h"
#include "wingsmith/tests/AircraftFields.h"

#include "wingsmith/core/Settings.h"
#include "wingsmith/core/Workspace.h"

#include "common/core/RunBackups.h"
#include "common/testing/TempDir.h"
#include "common/testing/WriteFailureWalk.h"

#include <gtest/gtest.h>

namespace wingsmith {
namespace {

using testing::DemoGame;

// Loads the game as the start-up does and changes one aircraft's flight
// record and gun-table row.
Workspace loadedAndChanged(const std::string& path)
{
    Workspace ws;
    ws.extractFltFiles(path);
    const int p = 19; // Bf 110C
    test::setInt(ws.working[p], "gun1.gunId", 555);
    ws.working[p].planes.setGunGroupCount(2);
    ws.compareValues();
    return ws;
}

struct Writer {
    const char* name;
    const char* namedFile; // the file a failure must name
    const char* missing;   // removed first, for the start-up to extract
    std::function<void(const std::string&)> run;
};

class WingsmithWrites : public ::testing::TestWithParam<Writer> {};

// Every writer of the program with each of its file operations failing in
// turn: files whole, the failure named, and the next run completes.
TEST_P(WingsmithWrites, NeverLeaveAFileHalfWritten)
{
    DemoGame game;
    extractGunTable(game.path());
    Workspace().extractFltFiles(game.path());
    if (*GetParam().missing)
        std::filesystem::remove(game / GetParam().missing);
    const int runs = common::walkWriteFailures(game.dir.path(), [&] {
        common::RunBackups::start("Wingsmith", game.dir.path());
        GetParam().run(game.path());
    }, GetParam().namedFile, 8);
    common::RunBackups::stop();
    EXPECT_GT(runs, 3);
}

INSTANTIATE_TEST_SUITE_P(Paths, WingsmithWrites,
    ::testing::Values(
        Writer{"Save", "planes.dat|110C.FLT", "", [](const std::string& p) { loadedAndChanged(p).save(p); }},
        Writer{"Export", "DATA.CDF|FLT.CDF", "", [](const std::string& p) { loadedAndChanged(p).exportArchives(p); }},
        Writer{"GunTableExtraction", "planes.dat", "planes.dat", [](const std::string& p) { extractGunTable(p); }},
        Writer{"RecordExtraction", "110C.FLT", "110C.FLT",
            [](const std::string& p) { Workspace().extractFltFiles(p); }},
        Writer{"Settings", "Wingsmith.ini", "",
            [](const std::string& p) { Settings(std::filesystem::path(p) / "Wingsmith.ini").setResourcePath("/x"); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace wingsmith
