// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoGame.h"
#include "wingsmith/tests/AircraftFields.h"

#include "wingsmith/core/StartUpFiles.h"

#include <gtest/gtest.h>

namespace wingsmith {
namespace {

namespace fs = std::filesystem;
using testing::DemoGame;

std::vector<std::string> texts(const StartUpOutcome& o)
{
    std::vector<std::string> out;
    for (const auto& m : o.messages)
        out.push_back(m.text);
    return out;
}

TEST(StartUpFiles, AFreshInstallationLoadsAllThirtyAircraftSilently)
{
    DemoGame game;
    Workspace ws;
    ArchiveAttributes attributes;
    const auto outcome = startUpFiles(ws, attributes, game.path());
    EXPECT_TRUE(outcome.completed);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_TRUE(fs::exists(game / "planes.dat"));
    EXPECT_EQ(test::intOf(ws.working[24], "engineType"), 1);           // the Me 262 is a jet
    EXPECT_EQ(test::intOf(ws.working[29], "typeFlags1") & 0x40, 0x40); // the V1
}

TEST(StartUpFiles, MissingFltCdfWarnsAndLoadsNothing)
{
    DemoGame game;
    fs::remove(game / "FLT.CDF");
    Workspace ws;
    ArchiveAttributes attributes;
    const auto outcome = startUpFiles(ws, attributes, game.path());
    EXPECT_EQ(texts(outcome), std::vector<std::string>{"FLT.CDF not found!"});
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(test::intOf(ws.working[0], "engineCount"), 0);
}

TEST(StartUpFiles, AShortDataCdfEndsTheStartUpWithItsTwoMessages)
{
    DemoGame game;
    fs::resize_file(game / "DATA.CDF", 1000000);
    Workspace ws;
    ArchiveAttributes attributes;
    const auto outcome = startUpFiles(ws, attributes, game.path());
    EXPECT_EQ(texts(outcome), (std::vector<std::string>{"Error opening DATA.CDF!", "Read beyond end of file"}));
    EXPECT_EQ(outcome.messages[1].kind, StartUpMessage::Kind::IoError);
    EXPECT_FALSE(outcome.completed);
    EXPECT_FALSE(fs::exists(game / "planes.dat"));
    EXPECT_FALSE(fs::exists(game / "MOSQ.FLT"));
}

TEST(StartUpFiles, APlanesDatThatCannotBeCreatedGivesAllThreeMessages)
{
    DemoGame game;
    // A dangling link: planes.dat does not exist, and creating it fails.
    std::error_code noLinks;
    fs::create_symlink(game.dir / "no-such-folder" / "planes.dat", game / "planes.dat", noLinks);
    if (noLinks)
        GTEST_SKIP() << "symbolic links are not to be had here: " << noLinks.message();
    Workspace ws;
    ArchiveAttributes attributes;
    const auto outcome = startUpFiles(ws, attributes, game.path());
    EXPECT_EQ(texts(outcome),
        (std::vector<std::string>{"Error creating PLANES.DAT!", "Error opening DATA.CDF!", "File not found"}));
    EXPECT_FALSE(outcome.completed);
}

TEST(StartUpFiles, WithPlanesDatPresentDataCdfIsNotNeeded)
{
    DemoGame game;
    Workspace first;
    ArchiveAttributes attributes;
    startUpFiles(first, attributes, game.path());
    fs::remove(game / "DATA.CDF");
    Workspace ws;
    const auto outcome = startUpFiles(ws, attributes, game.path());
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(ws.working[6].planes.gunGroupCount(), 6);
}

TEST(StartUpFiles, ABrokenLooseFileEndsTheStartUpWithItsText)
{
    DemoGame game;
    common::writeAllBytes(game / "B26A.FLT", std::vector<std::uint8_t>(100, 0)); // archive entry 1
    Workspace ws;
    ArchiveAttributes attributes;
    const auto outcome = startUpFiles(ws, attributes, game.path());
    EXPECT_EQ(texts(outcome), std::vector<std::string>{"Read beyond end of file"});
    EXPECT_FALSE(outcome.completed);
    EXPECT_TRUE(fs::exists(game / "MOSQ.FLT"));  // entry 0 was done
    EXPECT_FALSE(fs::exists(game / "190A.FLT")); // entry 2 never started
}

TEST(ArchiveAttributes, ReadOnlyArchivesAreWritableDuringTheRunAndReadOnlyAfter)
{
    DemoGame game;
    // Windows has the read-only flag alone, which reads as r--r--r--.
#ifdef _WIN32
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
#else
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read;
#endif
    fs::permissions(game / "DATA.CDF", readOnly);
    ArchiveAttributes attributes;
    attributes.rememberAndMakeWritable(game.path());
    EXPECT_NE(fs::status(game / "DATA.CDF").permissions() & fs::perms::owner_write, fs::perms::none);
    attributes.restore();
    EXPECT_EQ(fs::status(game / "DATA.CDF").permissions() & fs::perms::all, readOnly);

    // A missing archive is no error at either end.
    fs::remove(game / "FLT.CDF");
    attributes.rememberAndMakeWritable(game.path());
    attributes.restore();
}

} // namespace
} // namespace wingsmith
