#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vantorcli {

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

// A command's parser: its description and positional arguments, --help
// added. Returns false when --help was asked for (the help is printed);
// throws UsageError for unknown options or a wrong number of arguments.
bool parseCommand(QCommandLineParser& parser, const QStringList& arguments, const QString& description,
    int minimumPositional, int maximumPositional);

// Command-line arguments are bytes: a file name need not be UTF-8. An
// argument becomes a QString with each byte that is not part of UTF-8 kept
// as a lone surrogate U+DC80 to U+DCFF, and toPath() and toText() give the
// very bytes back, so every name reaches the file layer as typed.
QString argumentText(std::string_view bytes);
std::filesystem::path toPath(const QString& argument);
std::string toText(const QString& argument);
QString pathText(const std::filesystem::path& path);

// "-" names standard input or, after -o, standard output.
bool isStandardStream(const std::filesystem::path& path);

// Writes the bytes to standard output as they are. A failure is not thrown
// here but kept for checkStandardOutput().
void writeStandardOutput(std::string_view bytes);
// Flushes standard output; throws IoError ("standard output: why") when
// anything written to it was lost.
void checkStandardOutput();
// To `file` through the file layer when given (standard output for "-"),
// else to standard output.
void writeResult(const std::optional<std::filesystem::path>& file, std::string_view bytes);

// The one value of option `name`, or nothing when it is not given.
std::optional<QString> optionValue(const QCommandLineParser& parser, const QString& name);
// Every value of option `name`, in the order given: a repeated option adds
// values instead of replacing them.
QStringList optionValues(const QCommandLineParser& parser, const QString& name);

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
std::string shown(const QString& argument);
std::string shown(const std::filesystem::path& path);

} // namespace vantorcli
