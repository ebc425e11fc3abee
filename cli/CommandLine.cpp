#include "CommandLine.h"

#include "common/core/Utf8.h"

#include "common/core/AtomicWrite.h"
#include "common/core/IoError.h"
#include "common/core/ShownText.h"
#include "common/core/TextLines.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

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
        throw UsageError(
            count < minimumPositional ? "missing arguments (see --help)" : "too many arguments (see --help)");
    return true;
}

namespace {

// The first failure writing standard output, kept for checkStandardOutput().
int standardOutputErrno = 0;

} // namespace

QString argumentText(std::string_view bytes)
{
    QString text;
    for (std::size_t at = 0; at < bytes.size();) {
        const auto [code, length] = common::utf8At(bytes, at);
        if (length == 0) {
            text += QChar(static_cast<char16_t>(0xDC00u | static_cast<unsigned char>(bytes[at])));
            ++at;
            continue;
        }
        text += QString::fromUcs4(&code, 1);
        at += length;
    }
    return text;
}

std::string toText(const QString& argument)
{
    std::string out;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const char16_t unit = argument[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < argument.size() && argument[i + 1].isLowSurrogate()) {
            common::appendUtf8(out, QChar::surrogateToUcs4(unit, argument[i + 1].unicode()));
            ++i;
        } else if (unit >= 0xDC80 && unit <= 0xDCFF) {
            out += static_cast<char>(unit & 0xFF);
        } else {
            common::appendUtf8(out, unit);
        }
    }
    return out;
}

std::filesystem::path toPath(const QString& argument)
{
    return std::filesystem::path(toText(argument));
}

QString pathText(const std::filesystem::path& path)
{
    return argumentText(path.string());
}

bool isStandardStream(const std::filesystem::path& path)
{
    return path == "-";
}

void writeStandardOutput(std::string_view bytes)
{
    if ((std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
        && standardOutputErrno == 0)
        standardOutputErrno = errno != 0 ? errno : EIO;
}

void checkStandardOutput()
{
    if (std::fflush(stdout) != 0 && standardOutputErrno == 0)
        standardOutputErrno = errno != 0 ? errno : EIO;
    if (std::ferror(stdout) && standardOutputErrno == 0)
        standardOutputErrno = EIO;
    if (standardOutputErrno != 0)
        throw common::IoError::fromErrno(standardOutputErrno)
            .withSentence("standard output: "
                + common::ioErrorText(common::ioFailureFromErrno(standardOutputErrno), standardOutputErrno));
}

void writeResult(const std::optional<std::filesystem::path>& file, std::string_view bytes)
{
    if (file && !isStandardStream(*file))
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

QStringList optionValues(const QCommandLineParser& parser, const QString& name)
{
    return parser.values(name);
}

void refuseFolder(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw Refusal(shown(path) + " is a folder");
}

std::string readInput(const std::filesystem::path& path)
{
    if (isStandardStream(path))
        return common::readStandardInput();
    refuseFolder(path);
    try {
        return common::readFileBytes(path);
    } catch (const common::IoError& e) {
        throw e.about(path);
    }
}

std::string readTextInput(const std::filesystem::path& path)
{
    std::string text = readInput(path);
    if (const auto nul = text.find('\0'); nul != std::string::npos) {
        const auto line = 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(nul), '\n');
        throw Refusal(aboutFile(path, "line " + std::to_string(line) + " holds a NUL byte, so it is no text file"));
    }
    return text;
}

std::string aboutFile(const std::filesystem::path& path, const std::string& why)
{
    return shown(path) + ": " + why;
}

std::string shown(const QString& argument)
{
    return common::shownText(toText(argument));
}

std::string shown(const std::filesystem::path& path)
{
    return common::shownText(path.string());
}

} // namespace vantorcli
