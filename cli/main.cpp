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

#include "common/core/FileTransaction.h"
#include "common/core/IoError.h"
#include "common/core/RunBackups.h"
#include "common/core/ShownText.h"

#include <QCoreApplication>

#include <cstdio>
#include <functional>
#include <map>

namespace {

const char* const kUsage
    = "Usage: vantor COMMAND [ARGUMENTS]\n"
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
      "vantor --help and vantor --version show this and the version; vantor help COMMAND shows a command's help.\n"
      "A FILE to read may be - for standard input, and -o - writes to standard output.\n"
      "Exit status: 0 done, 1 refused or failed (diff: the installations differ), 2 bad usage.\n";

// Every message is one short line whatever input it quotes, escaped and,
// when still long, cut in the middle: the file named first and the reason
// given last both stay.
void error(const std::string& text)
{
    constexpr std::size_t kHead = 130;
    constexpr std::size_t kTail = 55;
    std::string line = common::shownText(text, std::string::npos);
    if (line.size() > kHead + kTail + 3) {
        // Cut on character boundaries: after escaping, every byte above
        // 0x7F belongs to a whole UTF-8 character.
        const auto continuation = [&](std::size_t at) { return (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80; };
        std::size_t head = kHead;
        while (head > 0 && continuation(head))
            --head;
        std::size_t tail = line.size() - kTail;
        while (tail < line.size() && continuation(tail))
            ++tail;
        line = line.substr(0, head) + "..." + line.substr(tail);
    }
    std::fprintf(stderr, "vantor: %s\n", line.c_str());
}

// The failure naming its file as shown safely; a sentence of its own as it is.
std::string describe(const common::IoError& e)
{
    const std::string name = e.path().filename().string();
    if (e.path().empty() || e.describe() != name + ": " + e.what())
        return e.describe();
    return common::shownText(name) + ": " + e.what();
}

// Output that could not be written makes the run a failure.
int finish(int status)
{
    try {
        vantorcli::checkStandardOutput();
    } catch (const common::IoError& e) {
        error(e.describe());
        return 1;
    }
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("vantor");
    // From argv itself: Qt's own list loses the bytes of names that are not UTF-8.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(vantorcli::argumentText(argv[i]));

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
    QString name = arguments.takeFirst();
    if (name == "--help" || name == "-h" || (name == "help" && arguments.isEmpty())) {
        vantorcli::writeStandardOutput(kUsage);
        return finish(0);
    }
    if (name == "--version" || name == "-v") {
        vantorcli::writeStandardOutput("vantor " VANTOR_VERSION "\n");
        return finish(0);
    }
    // help CMD [SUB]: the command's own help.
    const bool help = name == "help";
    if (help) {
        name = arguments.takeFirst();
        arguments.append("--help");
    }
    const auto command = commands.find(name);
    if (command == commands.end()) {
        error("unknown command '" + vantorcli::shown(name) + "' (see vantor --help)");
        return 2;
    }
    // diff answers 1 for "different", so its trouble is 2.
    const int failure = name == "diff" ? 2 : 1;
    // As in the windows: an existing file is copied before its first change.
    common::RunBackups::start("vantor");
    try {
        int status = 0;
        {
            // One operation: a command that fails part way, or whose output
            // is lost, puts back every file it had changed.
            common::FileTransaction transaction;
            status = command->second(arguments);
            vantorcli::checkStandardOutput();
            if (status == 0 || failure == 2)
                transaction.commit();
        }
        if (const auto folder = common::RunBackups::lastFolder())
            std::fprintf(
                stderr, "vantor: originals backed up in %s\n", common::shownText(folder->string(), 300).c_str());
        return status;
    } catch (const vantorcli::UsageError& e) {
        error(e.what());
        return 2;
    } catch (const vantorcli::Refusal& e) {
        error(e.what());
        return failure;
    } catch (const common::IoError& e) {
        error(describe(e));
        return failure;
    } catch (const std::exception& e) {
        error(e.what());
        return failure;
    }
}
