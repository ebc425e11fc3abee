#include "CommandLine.h"

#include "common/core/AtomicWrite.h"
#include "common/core/IoError.h"
#include "common/core/TextLines.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace vantorcli {

bool parseCommand(QCommandLineParser& parser, const QStringList& arguments, const QString& description,
    int minimumPositional, int maximumPositional)
{
    parser.setApplicationDescription(description);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"}, "Shows this help.");
    parser.addOption(help);
    // The parser takes the first argument for the program's name.
    if (!parser.parse(QStringList{"vantor"} + arguments))
        throw UsageError(parser.errorText().toStdString());
    if (parser.isSet(help)) {
        // Qt names the program by its path; the usage line names the command,
        // which the description begins with ("vantor flight export: ...").
        QString text = parser.helpText();
        const QString program = QCoreApplication::arguments().constFirst();
        const auto colon = description.indexOf(':');
        if (colon > 0 && text.startsWith("Usage: " + program))
            text.replace(7, program.size(), description.left(colon));
        writeStandardOutput(text.toStdString());
        return false;
    }
    const auto count = parser.positionalArguments().size();
    if (count < minimumPositional || count > maximumPositional)
        throw UsageError(count < minimumPositional ? "missing arguments (see --help)" : "too many arguments (see --help)");
    return true;
}

std::filesystem::path toPath(const QString& argument)
{
    return std::filesystem::path(QFile::encodeName(argument).toStdString());
}

std::string toText(const QString& argument)
{
    return argument.toStdString();
}

QString pathText(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

void writeStandardOutput(std::string_view bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

void writeResult(const std::optional<std::filesystem::path>& file, std::string_view bytes)
{
    if (file)
        common::writeFileAtomically(*file, bytes);
    else
        writeStandardOutput(bytes);
}

std::optional<QString> optionValue(const QCommandLineParser& parser, const QString& name)
{
    if (!parser.isSet(name))
        return std::nullopt;
    return parser.value(name);
}

std::string readInput(const std::filesystem::path& path)
{
    try {
        return common::readFileBytes(path);
    } catch (const common::IoError& e) {
        throw e.about(path);
    }
}

std::string aboutFile(const std::filesystem::path& path, const std::string& why)
{
    return path.string() + ": " + why;
}

} // namespace vantorcli
