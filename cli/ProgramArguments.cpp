// Everywhere but Windows: argv's bytes are the names as typed.
#include "ProgramArguments.h"

#include "CommandLine.h"

#include <algorithm>

namespace vantorcli {

std::vector<std::string> programArguments(int argc, char** argv)
{
    return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
}

std::filesystem::path toPath(const std::string& argument)
{
    return std::filesystem::path(argument);
}

} // namespace vantorcli
