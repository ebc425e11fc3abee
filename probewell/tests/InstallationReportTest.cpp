// SPDX-License-Identifier: GPL-3.0-or-later
#include "probewell/core/FolderListing.h"
#include "probewell/core/InstallationReport.h"

#include "common/core/IoError.h"
#include "common/core/TextLines.h"
#include "common/testing/TempDir.h"
#include "tools/demogen/ProbewellDemo.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace probewell {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

void put(const fs::path& file, std::string_view text = "x")
{
    fs::create_directories(file.parent_path());
    common::writeAllText(file, text);
}

// The lines of the section that starts with `header` (the nth such header),
// up to the empty line that ends it.
Lines section(const Lines& report, const std::string& header, int nth = 0)
{
    auto it = report.begin();
    for (;; ++it) {
        it = std::find(it, report.end(), header);
        if (it == report.end())
            return {"<no section " + header + ">"};
        if (nth-- == 0)
            break;
    }
    const auto end = std::find(it + 1, report.end(), std::string());
    return Lines(it + 1, end);
}

TEST(InstallationReport, WholeReportOfAKnownTreeLineByLine)
{
    common::TempDir dir;
    const fs::path game = dir / "Vantor";
    put(game / "FLT.CDF");
    put(game / "b.dat");
    put(game / "Alpha.txt");
    put(game / ".hidden");
    put(game / "LastNimbarDir", "C:\\Vantor\\Nimbar\\Sets\r\nsecond line");
    fs::create_directories(game / "Sound");
    fs::create_directories(game / "art");
    fs::create_directories(game / ".cache");
    put(game / "Nimbar" / "PlanesLoaded.txt", "P51D.FLT\nSP09.FLT\n");
    put(game / "Nimbar" / "FoldersLoaded.txt", "Summer44\r\n\r\nDesert42\r\n");
    put(game / "Nimbar" / "readme.txt");
    put(game / "Nimbar" / "Summer44" / "set.txt"); // not a direct file of the add-on folder
    fs::create_directories(game / "Nimbar" / "Desert42");

    const Lines expected{
        "*****Vantor DIRECTORY FOLDERS",
        (game / "art").string(),
        (game / "Nimbar").string(),
        (game / "Sound").string(),
        "",
        "*****Vantor DIRECTORY FOLDERS",
        (game / "Nimbar" / "Desert42").string(),
        (game / "Nimbar" / "Summer44").string(),
        "",
        "*****Vantor DIRECTORY FILES",
        "Alpha.txt",
        "b.dat",
        "FLT.CDF",
        "LastNimbarDir",
        "",
        "*****Nimbar DIRECTORY FILES",
        "FoldersLoaded.txt",
        "PlanesLoaded.txt",
        "readme.txt",
        "",
        "*****LASTNIMBARDIR",
        "C:\\Vantor\\Nimbar\\Sets",
        "second line",
        "",
        "*****FOLDERSLOADED",
        "Summer44",
        "",
        "Desert42",
        "",
        "*****PLANESLOADED",
        "P51D.FLT",
        "SP09.FLT",
        "",
    };
    EXPECT_EQ(buildReportLines(game), expected);

    const fs::path written = writeReport(game);
    EXPECT_EQ(written, game / "Probewell.txt");
    std::string bytes;
    for (const auto& line : expected)
        bytes += line + "\r\n";
    EXPECT_EQ(common::readAllText(written), bytes);
}

enum class StateContent { Missing, Empty, TwoLines, IsAFolder };

struct StateCase {
    const char* name;
    const char* fileName;
    bool inAddonFolder;
    const char* header;
    const char* missingLine;
    StateContent content;
};

void PrintTo(const StateCase& c, std::ostream* os)
{
    *os << c.name;
}

class StateFileSection : public testing::TestWithParam<StateCase> {};

TEST_P(StateFileSection, CopiesTheFileOrSaysItIsMissing)
{
    const StateCase& c = GetParam();
    common::TempDir game;
    fs::create_directories(game / "Nimbar");
    const fs::path file = (c.inAddonFolder ? game / "Nimbar" : game.path()) / c.fileName;
    switch (c.content) {
    case StateContent::Missing: break;
    case StateContent::Empty: put(file, ""); break;
    case StateContent::TwoLines: put(file, "first\r\nlast without end"); break;
    case StateContent::IsAFolder: fs::create_directories(file); break;
    }
    // The same file in the other folder must not count.
    put((c.inAddonFolder ? game.path() : game / "Nimbar") / c.fileName, "wrong folder\r\n");

    const Lines report = buildReportLines(game.path());
    const auto header = std::find(report.begin(), report.end(), std::string(c.header));
    ASSERT_NE(header, report.end());
    const Lines rest(header + 1, report.end());
    const Lines expectedStart = c.content == StateContent::Empty ? Lines{""}
        : c.content == StateContent::TwoLines                    ? Lines{"first", "last without end", ""}
                                                                 : Lines{c.missingLine, ""};
    ASSERT_GE(rest.size(), expectedStart.size());
    EXPECT_EQ(Lines(rest.begin(), rest.begin() + static_cast<long>(expectedStart.size())), expectedStart);
}

INSTANTIATE_TEST_SUITE_P(Report, StateFileSection,
    testing::Values(
        StateCase{"LastNimbarDirMissing", "LastNimbarDir", false, "*****LASTNIMBARDIR", "No LastNimbarDir", StateContent::Missing},
        StateCase{"LastNimbarDirEmpty", "LastNimbarDir", false, "*****LASTNIMBARDIR", "No LastNimbarDir", StateContent::Empty},
        StateCase{"LastNimbarDirCopied", "LastNimbarDir", false, "*****LASTNIMBARDIR", "No LastNimbarDir", StateContent::TwoLines},
        StateCase{"FoldersLoadedMissing", "FoldersLoaded.txt", true, "*****FOLDERSLOADED", "No FoldersLoaded", StateContent::Missing},
        StateCase{"FoldersLoadedEmpty", "FoldersLoaded.txt", true, "*****FOLDERSLOADED", "No FoldersLoaded", StateContent::Empty},
        StateCase{"FoldersLoadedIsAFolder", "FoldersLoaded.txt", true, "*****FOLDERSLOADED", "No FoldersLoaded", StateContent::IsAFolder},
        StateCase{"PlanesLoadedMissing", "PlanesLoaded.txt", true, "*****PLANESLOADED", "No PlanesLoaded", StateContent::Missing},
        StateCase{"PlanesLoadedCopied", "PlanesLoaded.txt", true, "*****PLANESLOADED", "No PlanesLoaded", StateContent::TwoLines}),
    [](const testing::TestParamInfo<StateCase>& info) { return std::string(info.param.name); });

TEST(InstallationReport, AddonFolderWithoutFilesOrFoldersGivesBareHeaders)
{
    common::TempDir game;
    fs::create_directories(game / "Nimbar");
    put(game / "game.exe");
    const Lines report = buildReportLines(game.path());
    EXPECT_EQ(section(report, "*****Vantor DIRECTORY FOLDERS", 1), Lines{});
    EXPECT_EQ(section(report, "*****Nimbar DIRECTORY FILES"), Lines{});
    EXPECT_EQ(section(report, "*****Vantor DIRECTORY FILES"), Lines{"game.exe"});
}

#ifndef _WIN32 // folder permission bits
TEST(InstallationReport, AnUnlistableAddonFolderIsNamedAndTheRestIsReported)
{
    common::TempDir game;
    put(game / "LastNimbarDir", "Nimbar\\Summer44");
    put(game / "game.exe");
    fs::create_directories(game / "Nimbar");
    fs::permissions(game.path(), fs::perms::all);
    fs::permissions(game / "Nimbar", fs::perms::none);
    runWithoutRoot([&] {
        Lines problems;
        const Lines report = common::readTextLines(writeReport(game.path(), &problems));
        const std::string named = (game / "Nimbar").string() + " could not be listed: File access denied";
        EXPECT_EQ(problems, Lines{named});
        EXPECT_EQ(section(report, "*****Vantor DIRECTORY FOLDERS", 1), Lines{named});
        EXPECT_EQ(section(report, "*****Nimbar DIRECTORY FILES"), Lines{named});
        EXPECT_EQ(section(report, "*****Vantor DIRECTORY FILES"), (Lines{"game.exe", "LastNimbarDir"}));
        EXPECT_EQ(section(report, "*****LASTNIMBARDIR"), Lines{"Nimbar\\Summer44"});
        EXPECT_EQ(section(report, "*****FOLDERSLOADED"), Lines{named}) << "not \"No FoldersLoaded\"";
    });
    fs::permissions(game / "Nimbar", fs::perms::owner_all);
}
#endif

TEST(InstallationReport, MissingAddonFolderStillGivesTheWholeReport)
{
    common::TempDir game;
    put(game / "LastNimbarDir", "Nimbar\\Summer44\r\n");
    put(game / "Nimbar.zip"); // a file of that name is not the folder
    put(game / "Nimbar");
    EXPECT_FALSE(findAddonFolder(game.path()));

    const Lines expected{"*****Vantor DIRECTORY FOLDERS", "", "*****Vantor DIRECTORY FOLDERS", "",
        "*****Vantor DIRECTORY FILES", "LastNimbarDir", "Nimbar", "Nimbar.zip", "", "*****Nimbar DIRECTORY FILES", "",
        "*****LASTNIMBARDIR", "Nimbar\\Summer44", "", "*****FOLDERSLOADED", "No FoldersLoaded", "",
        "*****PLANESLOADED", "No PlanesLoaded", ""};
    EXPECT_EQ(buildReportLines(game.path()), expected);
}

TEST(InstallationReport, FindsFoldersAndStateFilesWhateverTheirLetterCase)
{
    common::TempDir game;
    put(game / "NIMBAR" / "foldersloaded.TXT", "Summer44\r\n");
    put(game / "lastnimbardir", "x\r\n");
    ASSERT_TRUE(findAddonFolder(game.path()));
    const Lines report = buildReportLines(game.path());
    EXPECT_EQ(section(report, "*****FOLDERSLOADED"), Lines{"Summer44"});
    EXPECT_EQ(section(report, "*****LASTNIMBARDIR"), Lines{"x"});
    EXPECT_EQ(section(report, "*****Nimbar DIRECTORY FILES"), Lines{"foldersloaded.TXT"});
}

#ifndef _WIN32 // two spellings of a name and symbolic links
TEST(FolderListing, LeavesOutHiddenEntriesAndSortsWithoutRegardToCase)
{
    common::TempDir dir;
    for (const char* name : {"zeta.txt", "Beta.TXT", "alpha", ".profile", "beta.txt"})
        put(dir / name);
    fs::create_directories(dir / "Maps");
    fs::create_directories(dir / ".git");
    fs::create_directories(dir / "audio");
    fs::create_symlink(dir / "nowhere", dir / "dangling");
    fs::create_symlink(dir / "zeta.txt", dir / "link.txt");

    EXPECT_EQ(listFiles(dir.path()), (Lines{"alpha", "Beta.TXT", "beta.txt", "link.txt", "zeta.txt"}));
    EXPECT_EQ(listSubfolders(dir.path()), (Lines{(dir / "audio").string(), (dir / "Maps").string()}));
    EXPECT_EQ(listFiles(dir / "missing"), Lines{});
}
#endif

TEST(InstallationReport, ReplacesAnEarlierReportAndListsIt)
{
    common::TempDir game;
    put(game / "probewell.TXT", "an old report that is much longer than the new one will be\r\n");
    const fs::path written = writeReport(game.path());
    EXPECT_EQ(written.filename(), "probewell.TXT");
    const std::string text = common::readAllText(written);
    EXPECT_EQ(section(common::splitTextLines(text), "*****Vantor DIRECTORY FILES"), Lines{"probewell.TXT"});
    EXPECT_EQ(text.find("old report"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(game.path()), fs::directory_iterator()), 1);
}

TEST(InstallationReport, AFailedWriteThrowsAndLeavesNoFileBehind)
{
    common::TempDir game;
    fs::create_directories(game / "Probewell.txt");
    EXPECT_THROW(writeReport(game.path()), common::IoError);
    EXPECT_TRUE(fs::is_directory(game / "Probewell.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(game.path()), fs::directory_iterator()), 1);
}

TEST(InstallationReport, CopiesTheDemoStateFilesVerbatim)
{
    common::TempDir game;
    demogen::writeProbewellDemo(game.path());
    const std::string report = common::readAllText(writeReport(game.path()));
    EXPECT_NE(report.find("*****LASTNIMBARDIR\r\n" + demogen::buildDemoLastNimbarDir() + "\r\n"), std::string::npos);
    EXPECT_NE(report.find("*****FOLDERSLOADED\r\n" + demogen::buildDemoFoldersLoaded() + "\r\n"), std::string::npos);
    EXPECT_NE(report.find("*****PLANESLOADED\r\n" + demogen::buildDemoPlanesLoaded() + "\r\n"), std::string::npos);
}

} // namespace
} // namespace probewell
