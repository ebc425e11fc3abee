#include "LoadoutCommands.h"

#include "CommandLine.h"

#include "ordnix/core/ChangeScript.h"
#include "ordnix/core/LoadoutError.h"
#include "ordnix/core/LoadoutFile.h"
#include "ordnix/core/ScriptApply.h"

#include "common/core/AtomicWrite.h"
#include "common/core/IoError.h"
#include "common/core/TextLines.h"

namespace vantorcli {

namespace {

ordnix::LoadoutImage load(const std::filesystem::path& path)
{
    refuseFolder(path);
    try {
        return ordnix::LoadFile(path.parent_path().empty() ? "." : path.parent_path(), path.filename().string());
    } catch (const ordnix::LoadoutError& e) {
        throw Refusal(aboutFile(path, e.what()));
    } catch (const common::IoError& e) {
        throw e.about(path);
    }
}

int diffCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addPositionalArgument("OLD", "The loadout file as it was.");
    parser.addPositionalArgument("NEW", "The loadout file as it should be.");
    parser.addOption({{"o", "output"}, "The script file to write (- or none: standard output).", "SCRIPT"});
    if (!parseCommand(parser, arguments,
            "vantor loadout diff: the loadout script that turns OLD into NEW, as Ordnix's \"Save Block\" writes it.", 2,
            2))
        return 0;
    const auto oldPath = toPath(parser.positionalArguments().at(0));
    const auto newPath = toPath(parser.positionalArguments().at(1));
    const ordnix::LoadoutImage old = load(oldPath);
    const std::string newText = readInput(newPath);
    ordnix::LoadoutImage image;
    try {
        image = ordnix::DifferenceImage(old, std::vector<std::uint8_t>(newText.begin(), newText.end()));
    } catch (const ordnix::LoadoutError& e) {
        throw Refusal(aboutFile(newPath, e.what()));
    }
    if (const auto out = optionValue(parser, "o"); out && !isStandardStream(toPath(*out))) {
        ordnix::WriteScript(image, toPath(*out));
        return 0;
    }
    std::vector<std::string> lines;
    for (const ordnix::ChangedByte& change : ordnix::ChangedBytes(image)) {
        lines.push_back(std::to_string(change.position));
        lines.push_back(change.value);
    }
    writeStandardOutput(common::joinCrlfLines(lines));
    return 0;
}

int applyCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addPositionalArgument("SCRIPT", "A loadout script (.lox; - for standard input).");
    parser.addPositionalArgument("LOADOUT", "The loadout file it applies to.");
    parser.addOption({"replace", "Writes back into LOADOUT instead of a numbered copy Loadout.NNN."});
    if (!parseCommand(parser, arguments,
            "vantor loadout apply: applies a loadout script; writes a numbered copy as Ordnix's \"Save Loadout\" does.",
            2, 2))
        return 0;
    const auto scriptPath = toPath(parser.positionalArguments().at(0));
    const auto loadoutPath = toPath(parser.positionalArguments().at(1));
    ordnix::LoadoutImage image = load(loadoutPath);
    std::filesystem::path written;
    try {
        ordnix::ApplyScript(image, ordnix::ParseScript(readTextInput(scriptPath)));
    } catch (const ordnix::LoadoutError& e) {
        throw Refusal(aboutFile(scriptPath, e.what()));
    }
    try {
        if (parser.isSet("replace")) {
            written = loadoutPath;
            common::writeFileAtomically(written, ordnix::ImageBytes(image));
        } else {
            written
                = ordnix::SaveImage(image, loadoutPath.parent_path().empty() ? "." : loadoutPath.parent_path(), false);
        }
    } catch (const ordnix::LoadoutError& e) {
        throw Refusal(aboutFile(loadoutPath, e.what()));
    }
    writeStandardOutput(written.string() + "\n");
    return 0;
}

} // namespace

int runLoadoutCommand(const QStringList& arguments)
{
    const QString sub = arguments.isEmpty() ? QString() : arguments.first();
    if (sub == "diff")
        return diffCommand(arguments.mid(1));
    if (sub == "apply")
        return applyCommand(arguments.mid(1));
    if (sub == "--help" || sub == "-h") {
        writeStandardOutput("vantor loadout diff|apply ... (each takes --help)\n");
        return 0;
    }
    throw UsageError("vantor loadout takes diff or apply");
}

} // namespace vantorcli
