// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built program as a user would, with --screenshot, on a demo
// installation named by a settings file of its own.
#include "DemoGame.h"

#include "common/core/LittleEndian.h"
#include "common/testing/ProgramRun.h"

#include <gtest/gtest.h>

#include <map>

namespace wingsmith {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class BlackBox : public ::testing::Test {
protected:
    testing::DemoGame game;
    common::TempDir work;

    void SetUp() override
    {
        fs::create_directories(work / "config");
        common::writeAllText(work / "config" / "Wingsmith.ini", "[Paths]\r\nResourcepath=" + game.path() + "\r\n");
    }

    common::ProgramRun screenshot()
    {
        return common::runProgram(WINGSMITH_EXE, work.path(), {"--screenshot", "out.png"},
            {{"XDG_CONFIG_HOME", QString::fromStdString((work / "config").string())}});
    }

    // A start under a file-size limit (in 512-byte blocks under dash, 1024
    // under bash), with the signal ignored so a write fails as on a full disk.
    common::ProgramRun screenshotLimitedTo(int blocks)
    {
        return common::runProgramWithFileLimit(WINGSMITH_EXE, work.path(), {"--screenshot", "out.png"}, blocks,
            {{"XDG_CONFIG_HOME", QString::fromStdString((work / "config").string())}});
    }

    std::map<std::string, Bytes> snapshot() const
    {
        std::map<std::string, Bytes> files;
        for (const auto& e : fs::directory_iterator(game.dir.path()))
            files[e.path().filename().string()] = common::readAllBytes(e.path());
        return files;
    }
};

TEST_F(BlackBox, AFreshInstallationGetsItsGunTableAndLooseFiles)
{
    const common::ProgramRun run = screenshot();
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_GT(fs::file_size(work / "out.png"), 1000u);
    EXPECT_TRUE(fs::exists(game / "planes.dat"));
    int loose = 0;
    for (const auto& e : fs::directory_iterator(game.dir.path()))
        loose += e.path().extension() == ".FLT" && fs::file_size(e.path()) == 1284;
    EXPECT_EQ(loose, 30);
    EXPECT_EQ(run.standardError.find("message"), std::string::npos) << run.standardError;
}

// A write that fails during the start-up's extraction leaves no file behind,
// so the next start extracts it again.
struct FailedExtraction {
    int blocks;          // small enough to fail the first file to be created
    bool withPlanesDat;  // else planes.dat is the file that fails
    const char* message; // shown by the failed start
};

class ExtractionUnderLimit : public BlackBox, public ::testing::WithParamInterface<FailedExtraction> {};

TEST_P(ExtractionUnderLimit, LeavesNoStumpAndTheNextStartExtractsAgain)
{
    const FailedExtraction& c = GetParam();
    if (c.withPlanesDat) {
        const Bytes data = common::readAllBytes(game / "DATA.CDF");
        common::writeAllBytes(game / "planes.dat", Bytes(data.begin() + 1234966, data.begin() + 1234966 + 6484));
    }
    const auto before = snapshot();
    const common::ProgramRun failed = screenshotLimitedTo(c.blocks);
    EXPECT_NE(failed.standardError.find(c.message), std::string::npos) << failed.standardError;
    EXPECT_EQ(snapshot(), before); // not even a temporary file

    const common::ProgramRun next = screenshot();
    EXPECT_EQ(next.exitCode, 0) << next.standardError;
    EXPECT_EQ(next.standardError.find("message"), std::string::npos) << next.standardError;
    EXPECT_EQ(fs::file_size(game / "planes.dat"), 6484u);
    EXPECT_EQ(fs::file_size(game / "MOSQ.FLT"), 1284u);
    EXPECT_EQ(fs::file_size(game / "V1V1.FLT"), 1284u);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExtractionUnderLimit,
    ::testing::Values(FailedExtraction{4, false, "Error creating PLANES.DAT!"},
        FailedExtraction{1, true, "message: Wingsmith: "}),
    [](const auto& info) { return info.param.withPlanesDat ? "LooseFile" : "GunTable"; });

TEST_F(BlackBox, AMissingFltCdfIsReported)
{
    fs::remove(game / "FLT.CDF");
    const common::ProgramRun run = screenshot();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.standardError.find("FLT.CDF not found!"), std::string::npos) << run.standardError;
}

TEST_F(BlackBox, AValueTheDisplayRoundsAsksAtExitAndNoKeepsEveryByte)
{
    screenshot(); // the first start extracts the loose files
    Bytes record = common::readAllBytes(game / "P38H.FLT");
    common::le::putF32(record, 4, 1500.75f);
    common::writeAllBytes(game / "P38H.FLT", record);
    const auto before = snapshot();

    const common::ProgramRun run = screenshot();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.standardError.find("Exiting Wingsmith. Changes have been detected. Do you want to save changes?"),
        std::string::npos)
        << run.standardError;
    EXPECT_EQ(snapshot(), before);
}

} // namespace
} // namespace wingsmith
