// SPDX-License-Identifier: GPL-3.0-or-later
// "-" for standard input and -o - for standard output, and output that is
// lost making the run fail.
#include "cli/tests/VantorRun.h"

#include "common/core/TextLines.h"

namespace vantorcli {
namespace {

namespace fs = std::filesystem;

struct InputCase {
    const char* name;
    QStringList arguments; // IN: the input, GAME: the game folder
    const char* input;     // under the work folder
    bool throughPipe;      // else redirected from the file
};

void PrintTo(const InputCase& c, std::ostream* os)
{
    *os << c.name;
}

class StandardInput : public VantorRun, public ::testing::WithParamInterface<InputCase> {
protected:
    static QStringList filled(QStringList arguments, const QString& input, const QString& folder)
    {
        for (QString& a : arguments)
            a.replace("IN", input).replace("GAME", folder);
        return arguments;
    }
};

// The same input named and sent on standard input gives the same output and
// the same files.
TEST_P(StandardInput, ReadsAsTheNamedFile)
{
    common::writeAllText(work / "edit.json", "[{\"aircraft\": \"P-51D\", \"engineBestAltitude\": 7777.25}]");
    common::writeAllText(work / "edit.lox", "9\r\n4\r\n");
    fs::copy(game, work / "a", fs::copy_options::recursive);
    fs::copy(game, work / "b", fs::copy_options::recursive);
    const InputCase& c = GetParam();

    const auto named = vantor(filled(c.arguments, c.input, "a"));
    ASSERT_EQ(named.exitCode, 0) << named.standardError;
    const auto sent = c.throughPipe ? vantorShell("", filled(c.arguments, "-", "b"), QString("cat ") + c.input + " |")
                                    : vantorShell(QString("< ") + c.input, filled(c.arguments, "-", "b"));
    ASSERT_EQ(sent.exitCode, 0) << sent.standardError;
    std::string expected = named.standardOutput;
    for (std::size_t at; (at = expected.find("a/")) != std::string::npos;)
        expected.replace(at, 2, "b/");
    EXPECT_EQ(sent.standardOutput, expected);
    EXPECT_EQ(snapshot(work / "b"), snapshot(work / "a"));
    EXPECT_NE(snapshot(work / "a"), snapshot(game)) << "the command changed nothing to compare";
}

INSTANTIATE_TEST_SUITE_P(Commands, StandardInput,
    ::testing::Values(InputCase{"FlightImport", {"flight", "import", "IN", "GAME"}, "edit.json", true},
        InputCase{"LoadoutApply", {"loadout", "apply", "IN", "GAME/loadout.dat", "--replace"}, "edit.lox", false},
        InputCase{
            "MenuMake", {"menu", "make", "IN", "--side", "usa", "-o", "GAME/out.mnu"}, "game/layout_usa.txt", false},
        InputCase{"Normals", {"normals", "IN", "-o", "GAME/box.txt"}, "game/box.3dz", true}),
    [](const auto& info) { return std::string(info.param.name); });

struct OutputCase {
    const char* name;
    QStringList arguments; // ending in -o, which gets - or a file
};

void PrintTo(const OutputCase& c, std::ostream* os)
{
    *os << c.name;
}

class StandardOutput : public VantorRun, public ::testing::WithParamInterface<OutputCase> {};

TEST_P(StandardOutput, DashWritesTheFilesBytesToStandardOutput)
{
    common::writeAllBytes(work / "new.dat", common::readAllBytes(game / "loadout.dat"));
    auto changed = common::readAllBytes(work / "new.dat");
    changed.at(8) ^= 1;
    common::writeAllBytes(work / "new.dat", changed);

    const auto toFile = vantor(GetParam().arguments + QStringList{"out"});
    ASSERT_EQ(toFile.exitCode, 0) << toFile.standardError;
    const auto toOutput = vantor(GetParam().arguments + QStringList{"-"});
    ASSERT_EQ(toOutput.exitCode, 0) << toOutput.standardError;
    EXPECT_EQ(toOutput.standardOutput, common::readAllText(work / "out"));
    EXPECT_FALSE(fs::exists(work / "-"));
}

INSTANTIATE_TEST_SUITE_P(Commands, StandardOutput,
    ::testing::Values(OutputCase{"Report", {"report", "game", "-o"}},
        OutputCase{"Normals", {"normals", "game/dome.3dz", "-o"}},
        OutputCase{"MenuMake", {"menu", "make", "game/layout_hangar.txt", "--side", "hangar-uk", "-o"}},
        OutputCase{"LoadoutDiff", {"loadout", "diff", "game/loadout.dat", "new.dat", "-o"}}),
    [](const auto& info) { return std::string(info.param.name); });

class LostOutput : public VantorRun, public ::testing::WithParamInterface<QStringList> {};

// A full disk behind standard output fails the run, and a command that
// wrote files puts them back.
TEST_P(LostOutput, FailsWithTheSystemsReason)
{
    common::writeAllText(work / "edit.lox", "9\r\n4\r\n");
    const Snapshot before = snapshot(game);
    const auto run = vantorShell("> /dev/full", GetParam());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.standardError, "vantor: standard output: Disk full\n");
    EXPECT_EQ(snapshot(game), before);
}

INSTANTIATE_TEST_SUITE_P(Commands, LostOutput,
    ::testing::Values(QStringList{"flight", "export", "game"}, QStringList{"report", "game"},
        QStringList{"squadron", "list", "game/sqUK0001.dat"}, QStringList{"--help"},
        QStringList{"loadout", "apply", "edit.lox", "game/loadout.dat"}));

} // namespace
} // namespace vantorcli
