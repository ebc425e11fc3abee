// SPDX-License-Identifier: GPL-3.0-or-later
#include "splashroll/core/BuiltinProcessor.h"
#include "splashroll/core/ExternalProcessor.h"
#include "splashroll/core/ProcessorLookup.h"

#include "common/core/PathText.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace splashroll {
namespace {

namespace fs = std::filesystem;
using Tree = std::map<std::string, std::string>; // relative path -> contents

// The picture folder "pics" inside a game folder, as a map of every file.
Tree snapshot(const fs::path& root)
{
    Tree tree;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        tree[fs::relative(entry.path(), root).generic_string()] = entry.is_regular_file() ? common::readAllText(entry.path()) : "<dir>";
    return tree;
}

void build(const fs::path& root, const Tree& tree)
{
    for (const auto& [name, text] : tree) {
        fs::create_directories((root / name).parent_path());
        if (text == "<dir>")
            fs::create_directories(root / name);
        else
            common::writeAllText(root / name, text);
    }
}

struct BuiltinCase {
    const char* name;
    Tree before;
    std::string command;
    bool succeeds;
    Tree after;
    const char* readOnly = nullptr; // a file whose write permission is taken away
};

void PrintTo(const BuiltinCase& c, std::ostream* os)
{
    *os << c.name;
}

class Builtin : public testing::TestWithParam<BuiltinCase> {};

TEST_P(Builtin, GivesTheCommandProcessorsOutcome)
{
    const BuiltinCase& c = GetParam();
    common::TempDir dir;
    build(dir.path(), c.before);
    if (c.readOnly)
        fs::permissions(dir / c.readOnly, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
            fs::perm_options::remove);
    BuiltinProcessor processor(dir / "pics");
    EXPECT_EQ(processor.run(c.command), c.succeeds) << processor.failureReason();
    EXPECT_EQ(snapshot(dir.path()), c.after);
}

INSTANTIATE_TEST_SUITE_P(Commands, Builtin,
    testing::Values(
        BuiltinCase{"DelRemovesTheFile", {{"pics/main2.pic", "old"}, {"pics/a.000", "A"}}, "del main2.pic", true,
            {{"pics", "<dir>"}, {"pics/a.000", "A"}}},
        BuiltinCase{"DelOfAMissingFileIsNoError", {{"pics/a.000", "A"}}, "del main2.pic", true,
            {{"pics", "<dir>"}, {"pics/a.000", "A"}}},
        BuiltinCase{"DelFindsAnyLetterCase", {{"pics/MAIN2.PIC", "old"}}, "del main2.pic", true, {{"pics", "<dir>"}}},
        BuiltinCase{"DelLeavesAReadOnlyFile", {{"pics/main2.pic", "old"}}, "del main2.pic", false,
            {{"pics", "<dir>"}, {"pics/main2.pic", "old"}}, "pics/main2.pic"},
        BuiltinCase{"DelLeavesAFolder", {{"pics/main2.pic/x", "x"}}, "del main2.pic", false,
            {{"pics", "<dir>"}, {"pics/main2.pic", "<dir>"}, {"pics/main2.pic/x", "x"}}},
        BuiltinCase{"CopyMakesTheTarget", {{"pics/stem.004", "four"}}, "copy stem.004 main2.pic\n", true,
            {{"pics", "<dir>"}, {"pics/stem.004", "four"}, {"pics/main2.pic", "four"}}},
        BuiltinCase{"CopyReplacesTheTargetWhateverItsCase", {{"pics/Stem.004", "four"}, {"pics/Main2.Pic", "an older and longer one"}},
            "copy stem.004 main2.pic\n", true, {{"pics", "<dir>"}, {"pics/Stem.004", "four"}, {"pics/Main2.Pic", "four"}}},
        BuiltinCase{"CopyIntoTheParentFolder", {{"pics/main2.pic", "new"}, {"MAIN2.PIC", "old"}}, "copy main2.pic ..", true,
            {{"pics", "<dir>"}, {"pics/main2.pic", "new"}, {"MAIN2.PIC", "new"}}},
        BuiltinCase{"CopyIntoTheParentFolderMakesTheFile", {{"pics/main2.pic", "new"}}, "copy main2.pic ..", true,
            {{"pics", "<dir>"}, {"pics/main2.pic", "new"}, {"main2.pic", "new"}}},
        BuiltinCase{"CopyFromASubfolderWithBackslashes", {{"pics/sub/stem.001", "one"}}, "copy sub\\stem.001 main2.pic\n", true,
            {{"pics", "<dir>"}, {"pics/sub", "<dir>"}, {"pics/sub/stem.001", "one"}, {"pics/main2.pic", "one"}}},
        BuiltinCase{"CopyOfAMissingSourceFailsAndKeepsTheTarget", {{"pics/main2.pic", "old"}}, "copy stem.009 main2.pic\n", false,
            {{"pics", "<dir>"}, {"pics/main2.pic", "old"}}},
        BuiltinCase{"CopyOntoItselfKeepsTheFile", {{"main2.pic", "only"}, {"pics", "<dir>"}}, "copy ..\\main2.pic ..", false,
            {{"pics", "<dir>"}, {"main2.pic", "only"}}},
        BuiltinCase{"CopyOverAReadOnlyTargetFails", {{"pics/main2.pic", "new"}, {"main2.pic", "old"}}, "copy main2.pic ..", false,
            {{"pics", "<dir>"}, {"pics/main2.pic", "new"}, {"main2.pic", "old"}}, "main2.pic"},
        BuiltinCase{"OtherCommandsAreNotCarriedOut", {{"pics/main2.pic", "old"}}, "ren main2.pic x.pic", false,
            {{"pics", "<dir>"}, {"pics/main2.pic", "old"}}},
        BuiltinCase{"CopyNeedsTwoNames", {{"pics/main2.pic", "old"}}, "copy main2.pic", false,
            {{"pics", "<dir>"}, {"pics/main2.pic", "old"}}}),
    [](const testing::TestParamInfo<BuiltinCase>& info) { return std::string(info.param.name); });

[[maybe_unused]] void writeScript(const fs::path& path, const std::string& body, bool executable = true)
{
    common::writeAllText(path, "#!/bin/sh\n" + body);
    fs::permissions(path, executable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
}

#ifndef _WIN32 // a POSIX search path and shell scripts
TEST(ProcessorLookup, TakesComspecThenCmdExeAlongPath)
{
    common::TempDir dir;
    fs::create_directories(dir / "bin1");
    fs::create_directories(dir / "bin2");
    writeScript(dir / "shell", "exit 0\n");
    writeScript(dir / "bin1" / "CMD.EXE", "exit 0\n", false); // not executable
    writeScript(dir / "bin2" / "cmd.exe", "exit 0\n");
    const std::string path = (dir / "none").string() + "::" + (dir / "bin1").string() + ":" + (dir / "bin2").string();

    EXPECT_EQ(findCommandProcessor((dir / "shell").string(), path), dir / "shell");
    EXPECT_EQ(findCommandProcessor(std::nullopt, path), dir / "bin2" / "cmd.exe");
    EXPECT_EQ(findCommandProcessor("", path), dir / "bin2" / "cmd.exe");
    EXPECT_EQ(findCommandProcessor((dir / "missing").string(), path), dir / "bin2" / "cmd.exe");
    EXPECT_EQ(findCommandProcessor(dir.path().string(), std::nullopt), std::nullopt); // a folder is no program
    EXPECT_EQ(findCommandProcessor(std::nullopt, (dir / "bin1").string()), std::nullopt);
    EXPECT_EQ(findCommandProcessor(std::nullopt, ""), std::nullopt);
}
#endif

// COMSPEC and PATH come as UTF-8: a folder named beyond ASCII is found, on
// Windows too, where a narrow name would pass through the ANSI code page.
TEST(ProcessorLookup, FindsTheProcessorInAFolderNamedBeyondAscii)
{
    common::TempDir dir;
    const std::string folder = common::utf8FromPath(dir.path()) + "/Spiele gr\xc3\xbc\xc3\x9f \xe6\x97\xa5\xe6\x9c\xac";
    fs::create_directories(common::pathFromUtf8(folder));
    writeScript(common::pathFromUtf8(folder + "/CMD.EXE"), "exit 0\n");
    const fs::path expected = common::pathFromUtf8(folder + "/CMD.EXE");
    EXPECT_EQ(findCommandProcessor(std::nullopt, folder), expected);
    EXPECT_EQ(findCommandProcessor(folder + "/CMD.EXE", std::nullopt), expected);
}

#ifndef _WIN32 // a POSIX search path and shell scripts
TEST(ExternalProcessor, PassesSlashCAndTheCommandAndReportsTheExitStatus)
{
    common::TempDir dir;
    const fs::path log = dir / "log";
    writeScript(dir / "shell", "printf '[%s]' \"$@\" >> '" + log.string() + "'\n[ \"$2\" = fail ] && exit 3\nexit 0\n");
    ExternalProcessor processor(dir / "shell");
    EXPECT_TRUE(processor.run("copy stem.000 main2.pic\n"));
    EXPECT_FALSE(processor.run("fail"));
    EXPECT_EQ(common::readAllText(log), "[/c][copy stem.000 main2.pic\n][/c][fail]");
    EXPECT_FALSE(ExternalProcessor(dir / "missing").run("del main2.pic"));
}
#endif

#ifdef _WIN32 // the system's own command processor
TEST(ExternalProcessor, CarriesOutTheRotationsCommandsWithTheSystemsProcessor)
{
    const char* comspec = std::getenv("COMSPEC");
    ASSERT_NE(comspec, nullptr);
    common::TempDir dir;
    build(dir.path(), {{"pics/stem.007", "seven"}, {"pics/main2.pic", "old"}, {"main2.pic", "old"}});
    const fs::path before = fs::current_path();
    fs::current_path(dir / "pics");
    ExternalProcessor processor(comspec);
    const bool deleted = processor.run("del main2.pic");
    // Without the rotation's line feed: Wine's cmd.exe takes it for part
    // of the name.
    const bool copied = processor.run("copy stem.007 main2.pic");
    const bool installed = processor.run("copy main2.pic ..");
    const bool missing = processor.run("copy stem.009 main2.pic");
    fs::current_path(before);
    EXPECT_TRUE(deleted && copied && installed);
    EXPECT_FALSE(missing);
    EXPECT_EQ(snapshot(dir.path()),
        (Tree{{"pics", "<dir>"}, {"pics/stem.007", "seven"}, {"pics/main2.pic", "seven"}, {"main2.pic", "seven"}}));
}
#endif

} // namespace
} // namespace splashroll
