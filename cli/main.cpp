// vantor: the suite's command-line front end over the programs' cores.
#include "BasesCommands.h"
#include "CommandLine.h"
#include "DiffCommand.h"
#include "FlightCommands.h"
#include "LoadoutCommands.h"
#include "MenuCommand.h"
#include "NormalsCommand.h"
#include "ReportCommand.h"
#include "SquadronCommands.h"

#include "common/core/IoError.h"
#include "common/core/RunBackups.h"

#include <QCoreApplication>

#include <cstdio>
#include <functional>
#include <map>

namespace {

const char* const kUsage =
    "Usage: vantor COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands (each takes --help):\n"
    "  flight export GAME [--format csv|json] [--aircraft NAME]\n"
    "  flight import FILE GAME [--dry-run]\n"
    "  flight show GAME AIRCRAFT\n"
    "  diff GAME_A GAME_B [--format json]\n"
    "  loadout diff OLD NEW -o SCRIPT.lox\n"
    "  loadout apply SCRIPT.lox LOADOUT [--replace]\n"
    "  menu make LAYOUT.txt --side usa|britain|axis|hangar-us|hangar-uk|hangar-axis [-o FILE]\n"
    "  normals MODEL.3dz [-o FILE]\n"
    "  squadron list FILE\n"
    "  squadron set FILE RECORD AIRCRAFT\n"
    "  bases show GAME\n"
    "  bases set GAME A1 A2 L1 L2\n"
    "  bases standard GAME\n"
    "  report GAME [-o FILE]\n"
    "\n"
    "\n"
    "vantor --help and vantor --version show this and the version.\n"
    "Exit status: 0 done, 1 refused or failed (diff: the installations differ), 2 bad usage.\n";

void error(const std::string& text)
{
    std::fprintf(stderr, "vantor: %s\n", text.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("vantor");
    QStringList arguments = QCoreApplication::arguments().mid(1);

    const std::map<QString, std::function<int(const QStringList&)>> commands{
        {"flight", vantorcli::runFlightCommand},
        {"diff", vantorcli::runDiffCommand},
        {"loadout", vantorcli::runLoadoutCommand},
        {"menu", vantorcli::runMenuCommand},
        {"normals", vantorcli::runNormalsCommand},
        {"squadron", vantorcli::runSquadronCommand},
        {"bases", vantorcli::runBasesCommand},
        {"report", vantorcli::runReportCommand},
    };
    if (arguments.isEmpty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QString name = arguments.takeFirst();
    if (name == "--help" || name == "-h" || name == "help") {
        vantorcli::writeStandardOutput(kUsage);
        return 0;
    }
    if (name == "--version" || name == "-v") {
        vantorcli::writeStandardOutput("vantor " VANTOR_VERSION "\n");
        return 0;
    }
    const auto command = commands.find(name);
    if (command == commands.end()) {
        error("unknown command '" + name.toStdString() + "' (see vantor --help)");
        return 2;
    }
    // diff answers 1 for "different", so its trouble is 2.
    const int failure = name == "diff" ? 2 : 1;
    // As in the windows: an existing file is copied before its first change.
    common::RunBackups::start("vantor");
    try {
        const int status = command->second(arguments);
        if (const auto folder = common::RunBackups::lastFolder())
            std::fprintf(stderr, "vantor: originals backed up in %s\n", folder->string().c_str());
        return status;
    } catch (const vantorcli::UsageError& e) {
        error(e.what());
        return 2;
    } catch (const vantorcli::Refusal& e) {
        error(e.what());
        return failure;
    } catch (const common::IoError& e) {
        error(e.describe());
        return failure;
    } catch (const std::exception& e) {
        error(e.what());
        return failure;
    }
}
