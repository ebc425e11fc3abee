// Runs the built program as a user would, with --screenshot, on a demo
// installation named by a settings file of its own.
#include "DemoGame.h"

#include "common/core/LittleEndian.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sys/wait.h>

namespace wingsmith {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct ProgramRun {
    int exitCode;
    std::string stderrText;
};

class BlackBox : public ::testing::Test {
protected:
    testing::DemoGame game;
    common::TempDir work;

    void SetUp() override
    {
        fs::create_directories(work / "config");
        common::writeAllText(work / "config" / "Wingsmith.ini", "[Paths]\r\nResourcepath=" + game.path() + "\r\n");
    }

    ProgramRun screenshot()
    {
        const std::string command = "cd '" + work.path().string() + "' && XDG_CONFIG_HOME='" + (work / "config").string()
            + "' QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 '" WINGSMITH_EXE
              "' --screenshot out.png 2> stderr.txt";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, common::readAllText(work / "stderr.txt")};
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
    const ProgramRun run = screenshot();
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_GT(fs::file_size(work / "out.png"), 1000u);
    EXPECT_TRUE(fs::exists(game / "planes.dat"));
    int loose = 0;
    for (const auto& e : fs::directory_iterator(game.dir.path()))
        loose += e.path().extension() == ".FLT" && fs::file_size(e.path()) == 1284;
    EXPECT_EQ(loose, 30);
    EXPECT_EQ(run.stderrText.find("message"), std::string::npos) << run.stderrText;
}

TEST_F(BlackBox, AMissingFltCdfIsReported)
{
    fs::remove(game / "FLT.CDF");
    const ProgramRun run = screenshot();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.stderrText.find("FLT.CDF not found!"), std::string::npos) << run.stderrText;
}

TEST_F(BlackBox, AValueTheDisplayRoundsAsksAtExitAndNoKeepsEveryByte)
{
    screenshot(); // the first start extracts the loose files
    Bytes record = common::readAllBytes(game / "P38H.FLT");
    common::le::putF32(record, 4, 1500.75f);
    common::writeAllBytes(game / "P38H.FLT", record);
    const auto before = snapshot();

    const ProgramRun run = screenshot();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.stderrText.find("Exiting Wingsmith. Changes have been detected. Do you want to save changes?"),
        std::string::npos)
        << run.stderrText;
    EXPECT_EQ(snapshot(), before);
}

} // namespace
} // namespace wingsmith
