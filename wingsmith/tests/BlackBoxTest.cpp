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
