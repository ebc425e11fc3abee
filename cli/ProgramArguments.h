// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vantorcli {

// The arguments after the program's name as UTF-8 bytes, and standard
// input, output and error set to pass bytes unchanged. On Windows they are
// read from the UTF-16 command line, not from argv, whose code page loses
// names.
std::vector<std::string> programArguments(int argc, char** argv);

} // namespace vantorcli
