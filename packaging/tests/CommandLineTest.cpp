// SPDX-License-Identifier: GPL-3.0-or-later
// The built programs' command lines, run as a user (or a desktop's menu)
// starts them.
#include "common/testing/ProgramRun.h"
#include "common/testing/TempDir.h"
#include "tools/demogen/DemoInstallation.h"

#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <string>

namespace {

struct Program {
    const char* name;
    const char* executable;
};

void PrintTo(const Program& program, std::ostream* out)
{
    *out << program.name;
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

class EveryProgram : public ::testing::TestWithParam<Program> {};

// Packagers and shells ask for these on machines without any display.
TEST_P(EveryProgram, AnswersHelpAndVersionWithoutADisplay)
{
    const common::TempDir dir;
    const std::map<QString, QString> noDisplay{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
    const std::string name = GetParam().name;

    const auto help = common::runProgram(GetParam().executable, dir.path(), {"--help"}, noDisplay);
    ASSERT_TRUE(help.finished);
    EXPECT_EQ(help.exitCode, 0) << help.standardError;
    EXPECT_NE(lower(help.standardOutput).find("usage: "), std::string::npos) << help.standardOutput;
    EXPECT_NE(help.standardOutput.find(name), std::string::npos) << help.standardOutput;

    const auto version = common::runProgram(GetParam().executable, dir.path(), {"--version"}, noDisplay);
    ASSERT_TRUE(version.finished);
    EXPECT_EQ(version.exitCode, 0) << version.standardError;
    EXPECT_EQ(lower(version.standardOutput), name + " " VANTOR_VERSION "\n");
    EXPECT_EQ(version.standardError, "");
}

INSTANTIATE_TEST_SUITE_P(Suite, EveryProgram,
    ::testing::Values(Program{"wingsmith", WINGSMITH_EXE}, Program{"menuwright", MENUWRIGHT_EXE},
        Program{"bayward", BAYWARD_EXE}, Program{"ordnix", ORDNIX_EXE}, Program{"rosterly", ROSTERLY_EXE},
        Program{"sortiekit", SORTIEKIT_EXE}, Program{"vector", VECTOR_EXE}, Program{"facetnorm", FACETNORM_EXE},
        Program{"probewell", PROBEWELL_EXE}, Program{"kitbag", KITBAG_EXE}, Program{"splashroll", SPLASHROLL_EXE},
        Program{"vantor", VANTOR_EXE}),
    [](const auto& info) { return std::string(info.param.name); });

// Qt's own options belong to Qt: vector opens its first other argument as
// a model, and its message box would report "-style" as unreadable.
TEST(WindowProgramOptions, QtOptionsAreNotTakenForFiles)
{
    for (const char* executable : {MENUWRIGHT_EXE, VECTOR_EXE}) {
        const common::TempDir dir;
        const auto run = common::runProgram(executable, dir.path(), {"-style", "Fusion", "--screenshot", "shot.png"});
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, 0) << executable << ": " << run.standardError;
        EXPECT_EQ(run.standardError.find("message:"), std::string::npos) << executable << ": " << run.standardError;
        EXPECT_GT(std::filesystem::file_size(dir / "shot.png"), 0u) << executable;
    }
}

TEST(WindowProgramOptions, CommandLinesThatCannotBeReadEndWithTwo)
{
    struct Case {
        QString argument;
        std::string complaint;
        std::map<QString, QString> environment;
    };
    // Without a display too: a screenshot run would fall back to offscreen.
    const Case cases[] = {{"--bogus", "'bogus'", {}}, {"--screenshot", "Missing value", {}},
        {"--screenshot", "Missing value", {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}},
        {"--widget-tree=tree.txt", "'widget-tree'", {}}};
    for (const auto& [argument, complaint, environment] : cases) {
        const common::TempDir dir;
        const auto run = common::runProgram(VECTOR_EXE, dir.path(), {argument}, environment);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, 2) << argument.toStdString() << ": " << run.standardError;
        EXPECT_NE(run.standardError.find(complaint), std::string::npos) << run.standardError;
    }
}

// Without a display, a wrong option is still the user's to fix first: it is
// named and ends the program with 2, before any display is looked for.
TEST(WindowProgramOptions, UnknownOptionsWithoutADisplayEndWithTwoNamingThem)
{
    const std::map<QString, QString> noDisplay{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
    for (const char* executable : {WINGSMITH_EXE, MENUWRIGHT_EXE, BAYWARD_EXE, ORDNIX_EXE, ROSTERLY_EXE, SORTIEKIT_EXE,
             VECTOR_EXE, FACETNORM_EXE, PROBEWELL_EXE}) {
        for (const QString& option : {QString("--no-such-option"), QString("-frobnicate")}) {
            const common::TempDir dir;
            const auto run = common::runProgram(executable, dir.path(), {option}, noDisplay);
            ASSERT_TRUE(run.finished);
            EXPECT_EQ(run.exitCode, 2) << executable << " " << option.toStdString() << ": " << run.standardError;
            EXPECT_NE(run.standardError.find(option.mid(option.lastIndexOf('-') + 1).toStdString()), std::string::npos)
                << executable << ": " << run.standardError;
            EXPECT_EQ(run.standardError.find("needs a display"), std::string::npos) << executable;
        }
    }
}

// A game folder may have a name that is not UTF-8 (an old Windows code page
// copied over); the programs started in it work as they do elsewhere.
TEST(WindowProgramFolders, AFolderNameThatIsNotUtf8WorksAsAnyOther)
{
    const common::TempDir dir;
    const std::string plain = "game";
    const std::string raw = "gam\xff";
    const std::map<QString, QString> ownSettings{
        {"XDG_CONFIG_HOME", QString::fromStdString((dir / "config").string())}};
    // The name as the messages may show it: as it is, or with U+FFFD.
    auto normalised = [&](std::string text) {
        for (const std::string& shown : {raw, std::string("gam\xef\xbf\xbd")})
            for (std::size_t at; (at = text.find(shown)) != std::string::npos;)
                text.replace(at, shown.size(), plain);
        return text;
    };
    for (const std::string& name : {plain, raw})
        demogen::writeDemoInstallation(dir / name);
    for (const Program& program : {Program{"wingsmith", WINGSMITH_EXE}, Program{"menuwright", MENUWRIGHT_EXE},
             Program{"bayward", BAYWARD_EXE}, Program{"ordnix", ORDNIX_EXE}, Program{"rosterly", ROSTERLY_EXE},
             Program{"sortiekit", SORTIEKIT_EXE}, Program{"vector", VECTOR_EXE}, Program{"facetnorm", FACETNORM_EXE},
             Program{"probewell", PROBEWELL_EXE}, Program{"kitbag", KITBAG_EXE}}) {
        // QProcess would take the folder's name through a QString; the
        // shell changes into it by its bytes.
        auto runIn = [&](const char* printfName) {
            return common::runProgram("/bin/sh", dir.path(),
                {"-c", QString("cd \"$(printf '%1')\" && exec \"$0\" \"$@\"").arg(printfName),
                    QString::fromLatin1(program.executable), "--screenshot", "shot.png"},
                ownSettings);
        };
        const auto there = runIn("game");
        const auto here = runIn("gam\\377");
        ASSERT_TRUE(here.finished && there.finished) << program.name;
        EXPECT_EQ(here.exitCode, there.exitCode) << program.name;
        EXPECT_EQ(normalised(here.standardError), there.standardError) << program.name;
        EXPECT_TRUE(std::filesystem::exists(dir / raw / "shot.png")) << program.name;
    }

    // A file named on the command line by its bytes opens as well.
    struct Opened {
        const char* executable;
        const char* file;
    };
    for (const auto& [executable, file] : {Opened{ORDNIX_EXE, "loadout.dat"}, Opened{ROSTERLY_EXE, "sqUS0001.dat"},
             Opened{VECTOR_EXE, "box.3dz"}, Opened{MENUWRIGHT_EXE, "layout_usa.txt"}}) {
        auto runOn = [&](const char* printfFolder) {
            return common::runProgram("/bin/sh", dir.path(),
                {"-c", QString("exec \"$0\" --screenshot shot.png \"$(printf '%1')/%2\"").arg(printfFolder, file),
                    QString::fromLatin1(executable)},
                ownSettings);
        };
        const auto there = runOn("game");
        const auto here = runOn("gam\\377");
        ASSERT_TRUE(here.finished && there.finished) << executable;
        EXPECT_EQ(here.exitCode, there.exitCode) << executable;
        EXPECT_EQ(normalised(here.standardError), there.standardError) << executable;
    }
}

} // namespace
