// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportCommand.h"

#include "CommandLine.h"

#include "probewell/core/InstallationReport.h"

#include "common/core/TextLines.h"

namespace vantorcli {

int report(const CommandArguments& arguments)
{
    const auto folder = toPath(arguments.positional(0));
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        throw Refusal(aboutFile(folder, "File not found"));
    const auto lines = probewell::buildReportLines(folder);
    writeResult(outputOption(arguments), common::joinCrlfLines(lines));
    return 0;
}

} // namespace vantorcli
