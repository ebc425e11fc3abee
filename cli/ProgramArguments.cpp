// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramArguments.h"

#include "CommandLine.h"

#include "common/core/PathText.h"
#include "common/core/SystemCalls.h"

namespace vantorcli {

std::vector<std::string> programArguments(int argc, char** argv)
{
    return common::sys::programArguments(argc, argv);
}

std::filesystem::path toPath(const std::string& argument)
{
    return common::pathFromUtf8(argument);
}

} // namespace vantorcli
