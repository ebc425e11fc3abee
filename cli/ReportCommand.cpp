#include "ReportCommand.h"

#include "CommandLine.h"

#include "probewell/core/InstallationReport.h"

#include "common/core/TextLines.h"

namespace vantorcli {

int runReportCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addPositionalArgument("GAME", "The game folder.");
    parser.addOption({{"o", "output"}, "The report file to write (- or none: standard output).", "FILE"});
    if (!parseCommand(parser, arguments, "vantor report: Probewell's report of an installation.", 1, 1))
        return 0;
    const auto folder = toPath(parser.positionalArguments().at(0));
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        throw Refusal(aboutFile(folder, "File not found"));
    const auto lines = probewell::buildReportLines(folder);
    std::optional<std::filesystem::path> out;
    if (const auto o = optionValue(parser, "o"))
        out = toPath(*o);
    writeResult(out, common::joinCrlfLines(lines));
    return 0;
}

} // namespace vantorcli
