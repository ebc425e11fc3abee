// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built splashroll in picture folders of its own.
#include "splashroll/core/Request.h"
#include "splashroll/core/Rotation.h"

#include "common/testing/ProgramRun.h"
#include "common/testing/TempDir.h"
#include "tools/demogen/DemoInstallation.h"
#include "tools/demogen/SplashrollDemo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace splashroll {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs splashroll in `folder` with exactly the environment given (plus the
// sanitizer settings), so no COMSPEC or CMD.EXE of the machine leaks in.
Outcome runSplashroll(const fs::path& folder, const std::vector<std::string>& arguments,
    std::vector<std::string> environment, const fs::path& scratch)
{
    for (const char* keep : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"})
        if (const char* value = std::getenv(keep))
            environment.push_back(std::string(keep) + "=" + value);
    const fs::path outFile = scratch / "stdout.txt";
    const fs::path errFile = scratch / "stderr.txt";

    std::vector<std::string> args{SPLASHROLL_EXE};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& e : environment)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 || chdir(folder.c_str()) != 0)
            _exit(126);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    Outcome outcome;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        outcome.exitCode = WEXITSTATUS(status);
    outcome.out = common::readAllText(outFile);
    outcome.err = common::readAllText(errFile);
    return outcome;
}

std::map<std::string, std::string> contents(const fs::path& root)
{
    std::map<std::string, std::string> tree;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        tree[fs::relative(entry.path(), root).string()] = entry.is_regular_file() ? common::readAllText(entry.path()) : "<dir>";
    return tree;
}

// A game folder holding main2.pic and the picture folder "pics" with
// stem.000 ... stem.005, all different, and main2.pic; plus a scratch folder
// outside it for the captured output.
struct Installation {
    Installation()
    {
        fs::create_directories(game / "pics");
        fs::create_directories(scratch);
        fs::create_directories(bin);
        for (int i = 0; i <= 5; ++i)
            common::writeAllText(game / "pics" / ("stem.00" + std::to_string(i)), "picture " + std::to_string(i));
        common::writeAllText(game / "pics" / "main2.pic", "previous");
        common::writeAllText(game / "main2.pic", "previous");
    }
    common::TempDir dir;
    fs::path game = dir / "game";
    fs::path scratch = dir / "scratch";
    fs::path bin = dir / "bin"; // an empty folder for PATH
    std::vector<std::string> plainEnvironment() const { return {"PATH=" + bin.string()}; }
};

TEST(SplashrollProgram, InstallsTheChosenPictureInBothFolders)
{
    Installation inst;
    const auto first = static_cast<std::uint32_t>(std::time(nullptr));
    const Outcome outcome = runSplashroll(inst.game / "pics", {"stem", "5"}, inst.plainEnvironment(), inst.scratch);
    const auto last = static_cast<std::uint32_t>(std::time(nullptr));

    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, ""); // no console to clear when the output goes to a file
    const std::string installed = common::readAllText(inst.game / "pics" / "main2.pic");
    EXPECT_EQ(common::readAllText(inst.game / "main2.pic"), installed);
    // The picture is the one the seconds the run took choose.
    std::set<std::string> possible;
    for (std::uint32_t second = first; second <= last; ++second)
        possible.insert("picture " + std::to_string(planRotation({"stem", 5}, second).index));
    EXPECT_TRUE(possible.count(installed)) << installed;
    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ(common::readAllText(inst.game / "pics" / ("stem.00" + std::to_string(i))), "picture " + std::to_string(i));
}

TEST(SplashrollProgram, NumberZeroAlwaysInstallsTheFirstPicture)
{
    Installation inst;
    for (const char* highest : {"0", "none"}) {
        const Outcome outcome = runSplashroll(inst.game / "pics", {"stem", highest}, inst.plainEnvironment(), inst.scratch);
        EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
        EXPECT_EQ(common::readAllText(inst.game / "main2.pic"), "picture 0");
        common::writeAllText(inst.game / "main2.pic", "previous");
    }
}

struct RefusalRun {
    const char* name;
    std::vector<std::string> arguments;
};

void PrintTo(const RefusalRun& c, std::ostream* os)
{
    *os << c.name;
}

class SplashrollRefusal : public testing::TestWithParam<RefusalRun> {};

TEST_P(SplashrollRefusal, LeavesBothFoldersUntouched)
{
    Installation inst;
    const auto before = contents(inst.game);
    const Outcome outcome = runSplashroll(inst.game / "pics", GetParam().arguments, inst.plainEnvironment(), inst.scratch);
    EXPECT_NE(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, "");
    ASSERT_FALSE(outcome.err.empty());
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err; // one line
    EXPECT_NE(outcome.err.find("usage: splashroll"), std::string::npos) << outcome.err;
    EXPECT_EQ(contents(inst.game), before);
}

INSTANTIATE_TEST_SUITE_P(Program, SplashrollRefusal,
    testing::Values(RefusalRun{"NoArguments", {}}, RefusalRun{"OneArgument", {"stem"}},
        RefusalRun{"CommandInTheStem", {"stem&del", "5"}}, RefusalRun{"RedirectionInTheStem", {"x>..\\main2.pic", "5"}},
        RefusalRun{"StemTooLong", {std::string(32, 's'), "5"}}, RefusalRun{"HighestOutOfRange", {"stem", "70000"}},
        RefusalRun{"PictureNotInThisFolder", {"other", "0"}}),
    [](const testing::TestParamInfo<RefusalRun>& info) { return std::string(info.param.name); });

TEST(SplashrollProgram, AFailedBuiltInCommandIsNamedOnStderrAndTheExitCodeSaysSo)
{
    Installation inst;
    fs::permissions(inst.game / "pics" / "main2.pic", fs::perms::owner_read);
    const Outcome outcome = runSplashroll(inst.game / "pics", {"stem", "0"}, inst.plainEnvironment(), inst.scratch);
    EXPECT_NE(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err,
        "splashroll: \"del main2.pic\" failed: " + (inst.game / "pics" / "main2.pic").string() + ": File access denied\n"
        "splashroll: \"copy stem.000 main2.pic\" failed: " + (inst.game / "pics" / "main2.pic").string()
            + ": File access denied\n");
    EXPECT_EQ(common::readAllText(inst.game / "pics" / "main2.pic"), "previous");
}

// A real file-size limit: the picture is copied whole or not at all, and
// the failure is named.
TEST(SplashrollProgram, AFileSizeLimitLeavesNoPartialPicture)
{
    Installation inst;
    common::writeAllText(inst.game / "pics" / "stem.000", std::string(5000, 'p'));
    const auto run = common::runProgramWithFileLimit(SPLASHROLL_EXE, inst.game / "pics", {"stem", "0"}, 4,
        {{"PATH", QString::fromStdString(inst.bin.string())}, {"COMSPEC", ""}});
    EXPECT_EQ(run.exitCode, 1) << run.standardError;
    EXPECT_NE(run.standardError.find("main2.pic: Disk full"), std::string::npos) << run.standardError;
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(inst.game / "pics"))
        names.insert(e.path().filename().string());
    // Deleted as asked, never left half copied; no temporary file.
    EXPECT_EQ(names, (std::set<std::string>{"stem.000", "stem.001", "stem.002", "stem.003", "stem.004", "stem.005"}));

    const Outcome again = runSplashroll(inst.game / "pics", {"stem", "0"}, inst.plainEnvironment(), inst.scratch);
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(common::readAllText(inst.game / "pics" / "main2.pic"), std::string(5000, 'p'));
}

void writeRecorder(const fs::path& path, const fs::path& log)
{
    common::writeAllText(path, "#!/bin/sh\nprintf '[%s]' \"$@\" >> '" + log.string() + "'\nexit 1\n");
    fs::permissions(path, fs::perms::owner_all);
}

TEST(SplashrollProgram, HandsTheCommandsToComspecOrCmdExeAlongPath)
{
    Installation inst;
    const fs::path log = inst.scratch / "log";
    writeRecorder(inst.scratch / "processor", log);
    writeRecorder(inst.bin / "CMD.EXE", log);
    const auto before = contents(inst.game);

    for (const auto& environment : {std::vector<std::string>{"COMSPEC=" + (inst.scratch / "processor").string()},
             inst.plainEnvironment()}) {
        fs::remove(log);
        const Outcome outcome = runSplashroll(inst.game / "pics", {"stem", "0"}, environment, inst.scratch);
        EXPECT_EQ(outcome.exitCode, 0); // the failures of the processor do not count
        EXPECT_EQ(common::readAllText(log), "[/c][del main2.pic][/c][copy stem.000 main2.pic\n][/c][copy main2.pic ..]");
        EXPECT_EQ(contents(inst.game), before); // the recorder did nothing, and nothing else did
    }
}

TEST(SplashrollProgram, RotatesTheDemoPictures)
{
    common::TempDir dir;
    demogen::writeDemoInstallation(dir.path());
    const fs::path pictures = dir / std::string(demogen::kDemoSplashFolder);
    fs::create_directories(dir / "scratch");
    const Outcome outcome = runSplashroll(pictures,
        {std::string(demogen::kDemoSplashStem), std::to_string(demogen::kDemoSplashHighest)},
        {"PATH=" + (dir / "scratch").string()}, dir / "scratch");
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    const auto installed = common::readAllBytes(dir / "main2.pic");
    EXPECT_EQ(common::readAllBytes(pictures / "main2.pic"), installed);
    bool isOne = false;
    for (int i = 0; i <= demogen::kDemoSplashHighest; ++i)
        isOne = isOne || installed == demogen::buildDemoSplashPicture(i);
    EXPECT_TRUE(isOne);
}

} // namespace
} // namespace splashroll
