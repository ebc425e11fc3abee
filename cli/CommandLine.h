// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/core/FileLookup.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vantorcli {

class CommandArguments;

// Bad usage: exit code 2, the text on stderr.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A refused or failed action: exit code 1; the text names the file and why.
class Refusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Command-line arguments are bytes: a file name need not be UTF-8, and
// every name reaches the file layer as typed. On Windows they come as
// UTF-16 and are made UTF-8 (a lone surrogate as its three bytes), which
// toPath() turns back into the very UTF-16.
std::filesystem::path toPath(const std::string& argument);

using common::lowerCase;

// "-" names standard input or, after -o, standard output.
bool isStandardStream(const std::filesystem::path& path);

// Writes the bytes to standard output as they are. A failure is not thrown
// here but kept for checkStandardOutput().
void writeStandardOutput(std::string_view bytes);
// A message to standard error, as UTF-8 (a Windows console shows it
// letter for letter).
void writeStandardError(std::string_view text);
// Flushes standard output; throws IoError ("standard output: why") when
// anything written to it was lost.
void checkStandardOutput();
// To `file` through the file layer when given (standard output for "-"),
// else to standard output.
void writeResult(const std::optional<std::filesystem::path>& file, std::string_view bytes);
// The file `-o` names; nothing when it is not given.
std::optional<std::filesystem::path> outputOption(const CommandArguments& arguments);

// The whole file ("-": standard input); a failure names it. A folder in the
// file's place is refused as "NAME is a folder".
std::string readInput(const std::filesystem::path& path);
// The same for a text file: a NUL byte, which no text holds, is refused
// with the line it is on.
std::string readTextInput(const std::filesystem::path& path);
// Throws that refusal when `path` is a folder.
void refuseFolder(const std::filesystem::path& path);

// "NAME: why" for a refusal about a file, the name shown safely.
std::string aboutFile(const std::filesystem::path& path, const std::string& why);
// Input quoted in a message: escaped and cut to one short line.
std::string shown(const std::string& argument);
std::string shown(const std::filesystem::path& path);

} // namespace vantorcli
