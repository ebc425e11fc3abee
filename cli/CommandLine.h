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

std::filesystem::path toPath(const QString& argument);
std::string toText(const QString& argument);
QString pathText(const std::filesystem::path& path);

// Writes the bytes to standard output as they are.
void writeStandardOutput(std::string_view bytes);
// To `file` through the file layer when given, else to standard output.
void writeResult(const std::optional<std::filesystem::path>& file, std::string_view bytes);

// The one value of option `name`, or nothing when it is not given.
std::optional<QString> optionValue(const QCommandLineParser& parser, const QString& name);

// The whole file; a failure names it.
std::string readInput(const std::filesystem::path& path);

// "NAME: why" for a refusal about a file.
std::string aboutFile(const std::filesystem::path& path, const std::string& why);

} // namespace vantorcli
