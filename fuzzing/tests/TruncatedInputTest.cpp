// SPDX-License-Identifier: GPL-3.0-or-later
// Every demo file a program's core reads, cut at every length up to 4 KiB
// and at 200 lengths beyond, loaded as the program loads it: the load must
// give a result or throw what the window shows; any other exception, a
// sanitizer report or a hang fails the test.
#include "fuzzing/support/LoadoutWalk.h"
#include "menuwright/core/TextfileCheck.h"
#include "menuwright/menufile/LayoutText.h"
#include "ordnix/core/ChangeScript.h"
#include "ordnix/core/LoadoutError.h"
#include "ordnix/core/LoadoutFile.h"
#include "ordnix/core/LoadoutRecord.h"
#include "ordnix/core/MissionOptions.h"
#include "ordnix/core/NameLists.h"
#include "ordnix/core/RecordList.h"
#include "ordnix/core/ValueText.h"
#include "probewell/core/InstallationReport.h"
#include "rosterly/core/PlaneList.h"
#include "rosterly/core/SquadronFile.h"
#include "sortiekit/core/AirbaseList.h"
#include "sortiekit/core/AirfieldFile.h"
#include "sortiekit/core/SortiekitError.h"
#include "vector/core/ModelNormals.h"
#include "vector/core/ModelReader.h"
#include "vector/core/NormalRangeError.h"
#include "wingsmith/core/ArchiveAttributes.h"
#include "wingsmith/core/GunTableExtractionError.h"
#include "wingsmith/core/StartUpFiles.h"
#include "wingsmith/core/Workspace.h"

#include "tools/demogen/DemoInstallation.h"

#include "common/core/IoError.h"
#include "common/core/TextLines.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// Loads `file` of the installation in `game` the way its program does.
using Loader = std::function<void(const fs::path& game, const fs::path& file)>;

struct TruncationCase {
    const char* name; // demo file, relative to the installation
    Loader load;
};

// Test listings name the file rather than dumping the case's bytes.
void PrintTo(const TruncationCase& c, std::ostream* os)
{
    *os << c.name;
}

void startWingsmith(const fs::path& game)
{
    wingsmith::Workspace workspace;
    wingsmith::ArchiveAttributes attributes;
    (void)wingsmith::startUpFiles(workspace, attributes, game.string());
    attributes.restore();
    try {
        workspace.importArchives(game.string());
    } catch (const common::IoError&) {
    }
}

void loadDataCdf(const fs::path& game, const fs::path&)
{
    try {
        wingsmith::extractGunTable(game.string());
    } catch (const wingsmith::GunTableExtractionError&) {
    }
    wingsmith::Workspace workspace;
    try {
        workspace.importArchives(game.string());
    } catch (const common::IoError&) {
    }
}

// A first start: no loose files yet, so each is extracted from the cut
// archive before it is loaded.
void loadFltCdf(const fs::path& game, const fs::path&)
{
    for (const auto& entry : fs::directory_iterator(game))
        if (entry.path().extension() == ".FLT")
            fs::remove(entry.path());
    startWingsmith(game);
}

// planes.dat and a loose flight record, as loading one aircraft reads them.
void loadAircraft(const fs::path& game, const fs::path& file)
{
    wingsmith::Workspace workspace;
    try {
        workspace.loadAircraft(game.string(), file.extension() == ".FLT" ? file.filename().string() : "P51D.FLT");
    } catch (const common::IoError&) {
    }
}

void loadLayoutText(const fs::path&, const fs::path& file)
{
    const std::string text = common::readFileBytes(file);
    std::istringstream counting(text);
    const auto check = menuwright::checkLayoutTextLength(menuwright::countLayoutLines(counting), std::nullopt);
    std::istringstream in(text);
    (void)menuwright::readLayoutRows(in, 0, 5);
    if (check.axisFile)
        (void)menuwright::readLayoutRows(in, 6, 7);
    (void)menuwright::readLayoutRows(in, 8, 10);
}

void loadLoadout(const fs::path& game, const fs::path& file)
{
    using namespace ordnix;
    LoadoutImage image;
    try {
        image = LoadFile(game, file.filename().string());
    } catch (const LoadoutError&) {
        return;
    }
    const NameLists lists = LoadLists(game);
    fuzzing::walkLoadoutRecords(image, lists.planes, [](const auto&) {});
}

void loadNameLists(const fs::path& game, const fs::path&)
{
    (void)ordnix::LoadLists(game);
}

void loadSquadron(const fs::path& game, const fs::path& file)
{
    const auto planes = rosterly::PlaneList::load(game / "planes.txt");
    for (std::uint8_t code : rosterly::SquadronFile::readCodes(file))
        (void)planes.recordName(code);
}

void loadAirbases(const fs::path& game, const fs::path&)
{
    try {
        const auto list = sortiekit::AirbaseList::load(game);
        (void)list.recordNumbers({0, 1, 2, 3});
    } catch (const sortiekit::SortiekitError&) {
    }
}

void loadAirfieldMaster(const fs::path&, const fs::path& file)
{
    const std::string bytes = common::readFileBytes(file);
    try {
        (void)sortiekit::AirfieldFile::withBases({bytes.begin(), bytes.end()}, {1, 2, 3, 4});
    } catch (const sortiekit::SortiekitError&) {
    }
}

void loadModel(const fs::path&, const fs::path& file)
{
    // vector's window shows whatever the reader throws.
    static const vector::Model empty{};
    vector::Model model;
    try {
        model = vector::readModel(file.parent_path(), file.filename().string(), empty);
    } catch (const std::exception&) {
        return;
    }
    try {
        vector::calculateNormals(model);
    } catch (const vector::NormalRangeError&) {
    }
}

void loadReport(const fs::path& game, const fs::path&)
{
    (void)probewell::buildReportLines(game);
}

// Rosterly's and Ordnix's plane list are the one file.
void loadPlaneList(const fs::path& game, const fs::path& file)
{
    (void)rosterly::PlaneList::load(file);
    (void)ordnix::LoadLists(game);
}

class TruncatedInputTest : public testing::TestWithParam<TruncationCase> {
protected:
    static void SetUpTestSuite()
    {
        demo_ = std::make_unique<common::TempDir>();
        demogen::writeDemoInstallation(demo_->path());
        // The files Wingsmith extracts on its first start belong to an
        // installation too.
        wingsmith::Workspace workspace;
        wingsmith::ArchiveAttributes attributes;
        ASSERT_TRUE(wingsmith::startUpFiles(workspace, attributes, demo_->path().string()).completed);
        attributes.restore();
    }
    static void TearDownTestSuite() { demo_.reset(); }
    static std::unique_ptr<common::TempDir> demo_;
};

std::unique_ptr<common::TempDir> TruncatedInputTest::demo_;

// Every length up to 4 KiB, then 200 spread evenly up to the whole file,
// longest first so one copy can be cut shorter and shorter.
std::vector<std::uintmax_t> lengthsFor(std::uintmax_t size)
{
    std::set<std::uintmax_t, std::greater<>> lengths;
    for (std::uintmax_t n = 0; n <= std::min<std::uintmax_t>(size, 4096); ++n)
        lengths.insert(n);
    if (size > 4096)
        for (std::uintmax_t i = 1; i <= 200; ++i)
            lengths.insert(4096 + (size - 4096) * i / 200);
    return {lengths.begin(), lengths.end()};
}

TEST_P(TruncatedInputTest, EveryCutLoadsOrIsRefusedClearly)
{
    const TruncationCase& c = GetParam();
    common::TempDir game;
    // Entry by entry: MinGW's fs::copy refuses a folder that exists.
    for (const auto& e : fs::recursive_directory_iterator(demo_->path())) {
        const fs::path to = game.path() / fs::relative(e.path(), demo_->path());
        if (e.is_directory())
            fs::create_directories(to);
        else
            fs::copy_file(e.path(), to);
    }
    const fs::path file = game / c.name;
    const std::uintmax_t size = fs::file_size(file);
    for (std::uintmax_t length : lengthsFor(size)) {
        fs::resize_file(file, length);
        SCOPED_TRACE(std::string(c.name) + " cut to " + std::to_string(length) + " of " + std::to_string(size));
        try {
            c.load(game.path(), file);
        } catch (const common::IoError&) {
            // Every window shows these with the file's name.
        }
        ASSERT_EQ(fs::file_size(file), length) << "loading changed the file";
        if (HasFatalFailure())
            return;
    }
}

const TruncationCase kCases[] = {
    {"FLT.CDF", loadFltCdf},
    {"DATA.CDF", loadDataCdf},
    {"planes.dat", loadAircraft},
    {"P51D.FLT", loadAircraft},
    {"layout_usa.txt", loadLayoutText},
    {"layout_britain.txt", loadLayoutText},
    {"layout_axis.txt", loadLayoutText},
    {"layout_hangar.txt", loadLayoutText},
    {"loadout.dat", loadLoadout},
    {"Weapons.txt", loadNameLists},
    {"Locations.txt", loadNameLists},
    {"Mounts.txt", loadNameLists},
    {"planes.txt", loadPlaneList},
    {"sqUS0001.dat", loadSquadron},
    {"sqUS0002.dat", loadSquadron},
    {"sqUK0001.dat", loadSquadron},
    {"sqGR0001.dat", loadSquadron},
    {"airbase.txt", loadAirbases},
    {"airfield.bak", loadAirfieldMaster},
    {"box.3dz", loadModel},
    {"sparrow.3dz", loadModel},
    {"dome.3dz", loadModel},
    {"LastNimbarDir", loadReport},
    {"Nimbar/FoldersLoaded.txt", loadReport},
    {"Nimbar/PlanesLoaded.txt", loadReport},
};

INSTANTIATE_TEST_SUITE_P(DemoFiles, TruncatedInputTest, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<TruncationCase>& info) {
        std::string name;
        for (const char* p = info.param.name; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

} // namespace

namespace {

// A file the demo gains later must get a case above, or be named here as
// one no core reads (pictures go to Qt, the splash files to the command
// processor, the rest only appear in listings).
TEST_F(TruncatedInputTest, EveryDemoFileACoreReadsHasACase)
{
    std::set<std::string> covered;
    for (const TruncationCase& c : kCases)
        covered.insert(c.name);
    const std::set<std::string> unreadExtensions{".bmp", ".jpg", ".gif", ".pic", ".ini", ".FLT"};
    for (const auto& entry : fs::recursive_directory_iterator(demo_->path())) {
        if (!entry.is_regular_file())
            continue;
        const fs::path relative = entry.path().lexically_relative(demo_->path());
        const std::string ext = relative.extension().string();
        if (covered.count(relative.generic_string()) || unreadExtensions.count(ext) || ext.starts_with(".00")
            || relative.filename() == "set.txt")
            continue;
        ADD_FAILURE() << relative.generic_string() << " is read by a core but never cut";
    }
}

} // namespace
