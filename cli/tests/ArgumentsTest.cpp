// SPDX-License-Identifier: GPL-3.0-or-later
// How vantor takes its arguments: names as bytes, help per command, one
// exit-code rule, and input quoted in messages kept to one short line.
#include "cli/tests/VantorRun.h"

#include "common/core/TextLines.h"

namespace vantorcli {
namespace {

namespace fs = std::filesystem;

class NonUtf8Name : public VantorRun, public ::testing::WithParamInterface<QStringList> {};

// A folder named with the byte 0xFF, which is no UTF-8: the command finds it
// and says what it says of the same files under a plain name.
TEST_P(NonUtf8Name, ReachesTheFolder)
{
    fs::copy(game, work / "g\xff", fs::copy_options::recursive);
    QStringList plain;
    QString script = "exec \"$0\"";
    const QStringList command = vantorCommand();
    for (const QString& word : command.mid(1))
        script += " \"" + word + "\"";
    for (QString a : GetParam()) {
        plain << QString(a).replace("G", "game");
        script += " \"" + a.replace("G", "$(printf 'g\\377')") + "\"";
    }
    const auto expected = vantor(plain);
    ASSERT_EQ(expected.exitCode, 0) << expected.standardError;
    const auto run = common::runProgram("/bin/sh", work.path(), {"-c", script, command.constFirst()});
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_EQ(run.standardOutput, expected.standardOutput);
}

INSTANTIATE_TEST_SUITE_P(Commands, NonUtf8Name,
    ::testing::Values(QStringList{"flight", "export", "G"}, QStringList{"bases", "show", "G"},
        QStringList{"squadron", "list", "G/sqUK0001.dat"}, QStringList{"normals", "G/box.3dz"},
        QStringList{"report", "G", "-o", "G/Probewell.txt"}),
    [](const auto& info) { return info.param.at(0).toStdString() + std::to_string(info.index); });

// A game folder named in letters beyond ASCII (umlauts, Japanese, a
// character beyond the BMP): each command finds it and the files in it, says
// what it says under a plain name, and a message names the folder in UTF-8.
class NonAsciiName : public VantorRun, public ::testing::WithParamInterface<std::tuple<const char*, QStringList>> {};

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

TEST_P(NonAsciiName, ReachesTheFolderAndNamesItInUtf8)
{
    const std::string folder = std::get<0>(GetParam());
    fs::copy(game, work.path() / fs::path(std::u8string(folder.begin(), folder.end())), fs::copy_options::recursive);
    QStringList plain;
    QStringList named;
    for (const QString& a : std::get<1>(GetParam())) {
        plain << QString(a).replace("G", "game");
        named << QString(a).replace("G", QString::fromStdString(folder));
    }
    const auto expected = vantor(plain);
    const auto run = vantor(named);
    EXPECT_EQ(run.exitCode, expected.exitCode) << run.standardError;
    EXPECT_EQ(replaced(run.standardOutput, folder, "game"), expected.standardOutput);
    EXPECT_EQ(replaced(run.standardError, folder, "game"), expected.standardError);
    if (!expected.standardError.empty()) {
        EXPECT_NE(run.standardError.find(folder), std::string::npos) << run.standardError;
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, NonAsciiName,
    ::testing::Combine(::testing::Values("Fl\xc3\xbcgel \xc3\x84ra", "\xe6\x88\xa6\xe9\x97\x98\xe6\xa9\x9f",
                           "\xf0\x9f\x9b\xa9 Staffel"),
        ::testing::Values(QStringList{"flight", "export", "G"}, QStringList{"bases", "show", "G"},
            QStringList{"squadron", "list", "G/sqUK0001.dat"}, QStringList{"normals", "G/box.3dz"},
            QStringList{"check", "G"}, QStringList{"diff", "G", "game"},
            QStringList{"report", "G", "-o", "G/Probewell.txt"}, QStringList{"flight", "export", "G/G"},
            QStringList{"squadron", "list", "G/G.dat"})),
    [](const auto& info) { return "Folder" + std::to_string(info.index); });

TEST_F(VantorRun, HelpOfACommandIsThatCommandsHelp)
{
    for (const QStringList& command : {QStringList{"flight"}, QStringList{"squadron", "set"}, QStringList{"report"}}) {
        const auto help = vantor(QStringList{"help"} + command);
        const auto own = vantor(command + QStringList{"--help"});
        EXPECT_EQ(help.exitCode, 0) << command.join(' ').toStdString();
        EXPECT_EQ(help.standardOutput, own.standardOutput) << command.join(' ').toStdString();
    }
    EXPECT_EQ(vantor({"help", "nothing"}).exitCode, 2);
    EXPECT_NE(vantor({"help"}).standardOutput.find("Usage: vantor COMMAND"), std::string::npos);
}

struct ExitCase {
    const char* name;
    QStringList arguments;
    int exitCode;
};

void PrintTo(const ExitCase& c, std::ostream* os)
{
    *os << c.name;
}

class ExitCode : public VantorRun, public ::testing::WithParamInterface<ExitCase> {};

// 2 is bad usage alone; a name or number that names nothing is a refusal.
TEST_P(ExitCode, FollowsTheOneRule)
{
    const Snapshot before = snapshot(game);
    const auto run = vantor(GetParam().arguments);
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.standardError;
    EXPECT_EQ(lines(run.standardError).size(), 1u) << run.standardError;
    EXPECT_EQ(snapshot(game), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExitCode,
    ::testing::Values(ExitCase{"UnknownAirfieldName", {"bases", "set", "game", "0", "1", "2", "Atlantis"}, 1},
        ExitCase{"AirfieldEntryPastTheList", {"bases", "set", "game", "0", "1", "2", "162"}, 1},
        ExitCase{"UnknownAircraftName", {"squadron", "set", "game/sqUK0001.dat", "1", "Zeppelin"}, 1},
        ExitCase{"RecordPastTheFile", {"squadron", "set", "game/sqUK0001.dat", "999", "10"}, 1},
        ExitCase{"UnknownAircraftToShow", {"flight", "show", "game", "Zeppelin"}, 1},
        ExitCase{"UnknownAircraftToExport", {"flight", "export", "game", "--aircraft", "Zeppelin"}, 1},
        ExitCase{"UnknownCommand", {"fly"}, 2}, ExitCase{"UnknownOption", {"report", "game", "--colour"}, 2},
        ExitCase{"MissingArgument", {"bases", "set", "game", "0", "1"}, 2},
        ExitCase{"UnknownSubcommand", {"squadron", "remove"}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct QuoteCase {
    const char* name;
    QStringList arguments;
    const char* shown; // how the message shows the input
};

void PrintTo(const QuoteCase& c, std::ostream* os)
{
    *os << c.name;
}

class QuotedInput : public VantorRun, public ::testing::WithParamInterface<QuoteCase> {};

// Whatever the input holds, the message is one line of printable text,
// the input in it escaped and cut.
TEST_P(QuotedInput, IsOneShortEscapedLine)
{
    const auto run = vantor(GetParam().arguments);
    EXPECT_NE(run.exitCode, 0);
    const auto shown = lines(run.standardError);
    ASSERT_EQ(shown.size(), 1u) << run.standardError;
    EXPECT_LT(shown[0].size(), 200u) << shown[0];
    EXPECT_NE(shown[0].find(GetParam().shown), std::string::npos) << shown[0];
    for (const char c : shown[0])
        EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7F) << shown[0];
}

INSTANTIATE_TEST_SUITE_P(Cases, QuotedInput,
    ::testing::Values(
        QuoteCase{"LineEndsInAName", {"bases", "set", "game", "0", "1", "2", "Over\r\nLord"}, "'Over\\r\\nLord'"},
        QuoteCase{"TerminalCommandInACommandName", {"\x1b[2Jfly"}, "'\\x1B[2Jfly'"},
        QuoteCase{"LongAircraftName", {"squadron", "set", "game/sqUK0001.dat", "1", QString(100000, 'Z')},
            "'ZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZ...'"},
        QuoteCase{"LineEndInAFileName", {"squadron", "list", "sq\nUK.dat"}, "sq\\nUK.dat: "},
        QuoteCase{"LongFileName", {"normals", QString(5000, 'm') + ".3dz"}, "mmm...: "}),
    [](const auto& info) { return std::string(info.param.name); });

// Probewell's report has the full paths of the subfolders, however the
// game folder was named.
// Every --aircraft given counts, in the order given, each once.
TEST_F(VantorRun, ARepeatedAircraftOptionTakesThemAll)
{
    const auto run = vantor({"flight", "export", "game", "--aircraft", "P-38H", "--aircraft", "12", "--aircraft", "p38h"});
    ASSERT_EQ(run.exitCode, 0) << run.standardError;
    const auto rows = lines(run.standardOutput);
    ASSERT_EQ(rows.size(), 3u);
    const auto one = vantor({"flight", "export", "game", "--aircraft", "12"});
    EXPECT_EQ(rows[2], lines(one.standardOutput).at(1));
    EXPECT_EQ(rows[1].rfind("P-38H,", 0), 0u) << rows[1];
}

// A folder where planes.dat belongs is named, not passed over for the
// archive's copy; export and import say the same.
TEST_F(VantorRun, AFolderInPlaceOfPlanesDatIsNamed)
{
    std::filesystem::remove(game / "planes.dat");
    std::filesystem::create_directory(game / "planes.dat");
    common::writeAllText(work / "imp.csv", "aircraft,engineBestAltitude\r\nP-51D,8200\r\n");
    const Snapshot before = snapshot(game);
    for (const QStringList& args : {QStringList{"flight", "export", "game"},
             QStringList{"flight", "import", "imp.csv", "game"}}) {
        const auto run = vantor(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_NE(run.standardError.find("planes.dat is a folder"), std::string::npos) << run.standardError;
        EXPECT_EQ(lines(run.standardError).size(), 1u) << run.standardError;
    }
    EXPECT_EQ(snapshot(game), before);
}

TEST_F(VantorRun, ReportListsFullPathsOfTheSubfolders)
{
    fs::create_directory(game / "Maps");
    for (const QString& named : {QString("game"), QString("./game/"), QString("game/../game")}) {
        const auto run = vantor({"report", named});
        ASSERT_EQ(run.exitCode, 0) << run.standardError;
        const auto report = common::splitTextLines(run.standardOutput);
        ASSERT_GT(report.size(), 2u);
        std::vector<std::string> folders;
        for (std::size_t i = 1; i < report.size() && !report[i].empty(); ++i)
            folders.push_back(report[i]);
        std::vector<std::string> expected;
        for (const char* name : {"Maps", "Nimbar", "Splash"})
            expected.push_back((fs::canonical(game) / name).string());
        EXPECT_EQ(folders, expected) << named.toStdString();
    }
}

} // namespace
} // namespace vantorcli
