// SPDX-License-Identifier: GPL-3.0-or-later
// The parser against QCommandLineParser, which vantor used before: the same
// arguments must give the same values, the same error texts and, for every
// command of the table, the same --help text.
#include "cli/CommandLine.h"
#include "cli/CommandParser.h"
#include "cli/CommandTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vantorcli {
namespace {

// What one parse gave: an error text, or the positionals and every value of
// every option by each of its names.
struct Outcome {
    std::string error;
    std::vector<std::string> positionals;
    std::map<std::string, std::vector<std::string>> values;
    std::map<std::string, std::string> lastValues;

    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Outcome& o)
{
    os << "error '" << o.error << "' positionals";
    for (const auto& p : o.positionals)
        os << " '" << p << "'";
    for (const auto& [name, values] : o.values) {
        os << " " << name << "=[";
        for (const auto& v : values)
            os << "'" << v << "'";
        os << "] last '" << o.lastValues.at(name) << "'";
    }
    return os;
}

QStringList qt(const std::vector<std::string>& words)
{
    QStringList list;
    for (const std::string& w : words)
        list << QString::fromStdString(w);
    return list;
}

void addToQt(QCommandLineParser& parser, const Command& command)
{
    for (const Command::Positional& p : command.positionals)
        parser.addPositionalArgument(QString::fromStdString(p.name), QString::fromStdString(p.help));
    for (const Command::Option& o : command.options)
        parser.addOption({qt(o.names), QString::fromStdString(o.help), QString::fromStdString(o.valueName),
            QString::fromStdString(o.defaultValue)});
}

// As vantor did it with Qt: long options after one dash, -h/--help added,
// the program name first, the count of positionals checked after.
Outcome parsedByQt(const Command& command, const std::vector<std::string>& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addToQt(parser, command);
    parser.addOption({{"h", "help"}, "Shows this help."});
    Outcome outcome;
    if (!parser.parse(QStringList{"vantor"} + qt(arguments))) {
        outcome.error = parser.errorText().toStdString();
        return outcome;
    }
    const auto count = parser.positionalArguments().size();
    if (count < command.minimumPositional || count > command.maximumPositional) {
        outcome.error
            = count < command.minimumPositional ? "missing arguments (see --help)" : "too many arguments (see --help)";
        return outcome;
    }
    for (const QString& p : parser.positionalArguments())
        outcome.positionals.push_back(p.toStdString());
    for (const Command::Option& o : command.options)
        for (const std::string& name : o.names) {
            const QString n = QString::fromStdString(name);
            std::vector<std::string> values;
            if (o.valueName.empty())
                values.resize(static_cast<std::size_t>(parser.isSet(n) ? 1 : 0));
            else
                for (const QString& v : parser.values(n))
                    values.push_back(v.toStdString());
            outcome.values[name] = values;
            outcome.lastValues[name] = parser.value(n).toStdString();
        }
    return outcome;
}

Outcome parsedByVantor(const Command& command, const std::vector<std::string>& arguments)
{
    Outcome outcome;
    try {
        const auto parsed = parseCommand(command, arguments);
        if (!parsed) {
            outcome.error = "(help)";
            return outcome;
        }
        for (std::size_t n = 0; n < parsed->positionalCount(); ++n)
            outcome.positionals.push_back(parsed->positional(n));
        for (const Command::Option& o : command.options)
            for (const std::string& name : o.names) {
                std::vector<std::string> values = parsed->values(name);
                // Qt counts a switch once however often it is given.
                if (o.valueName.empty())
                    values.resize(std::min<std::size_t>(values.size(), 1));
                outcome.values[name] = values;
                outcome.lastValues[name] = parsed->value(name).value_or("");
            }
    } catch (const UsageError& e) {
        outcome.error = e.what();
    }
    return outcome;
}

const Command kSample{.group = "sample",
    .name = "run",
    .synopsis = "A [B]",
    .description = "vantor sample run: a command with every kind of option.",
    .positionals = {{"A", "The first."}, {"B", "The second."}},
    .options = {{{"o", "output"}, "FILE", "Where to write.", ""}, {{"format"}, "FORMAT", "csv or json.", "csv"},
        {{"dry-run"}, "", "Writes nothing.", ""}},
    .minimumPositional = 1,
    .maximumPositional = 2};

struct ParseCase {
    const char* name;
    std::vector<std::string> arguments;
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.name;
}

class ParsedAsQtDid : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsedAsQtDid, SameValuesOrSameError)
{
    const Outcome qtOutcome = parsedByQt(kSample, GetParam().arguments);
    EXPECT_EQ(parsedByVantor(kSample, GetParam().arguments), qtOutcome);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParsedAsQtDid,
    ::testing::Values(ParseCase{"OnePositional", {"a"}}, ParseCase{"TwoPositionals", {"a", "b"}},
        ParseCase{"NoPositional", {}}, ParseCase{"ThreePositionals", {"a", "b", "c"}},
        ParseCase{"ShortOptionNextWord", {"-o", "out.txt", "a"}},
        ParseCase{"LongOptionAfterEquals", {"a", "--output=out.txt"}},
        ParseCase{"LongOptionAfterOneDash", {"-output", "out.txt", "a"}},
        ParseCase{"ShortOptionAfterEquals", {"-o=x", "a"}}, ParseCase{"EmptyValueAfterEquals", {"--output=", "a"}},
        ParseCase{"EmptyValueNextWord", {"--output", "", "a"}}, ParseCase{"ValueHoldingEquals", {"--output=a=b", "a"}},
        ParseCase{"ValueThatLooksLikeAnOption", {"--output", "--format", "a"}},
        ParseCase{"DashIsAPositional", {"-", "-o", "-"}},
        ParseCase{"RepeatedOptionKeepsEveryValue", {"a", "-o", "x", "--output", "y", "-output=z"}},
        ParseCase{"DefaultWhenNotGiven", {"a"}}, ParseCase{"DefaultReplaced", {"a", "--format", "json"}},
        ParseCase{"Switch", {"a", "--dry-run"}}, ParseCase{"SwitchAfterOneDash", {"-dry-run", "a"}},
        ParseCase{"SwitchTwice", {"--dry-run", "a", "--dry-run"}},
        ParseCase{"DoubleDashEndsOptions", {"--", "--output", "-o"}}, ParseCase{"DoubleDashTwice", {"--", "--", "a"}},
        ParseCase{"UnknownOption", {"a", "--colour"}}, ParseCase{"UnknownShortOption", {"a", "-x"}},
        ParseCase{"UnknownOptions", {"--colour", "a", "-x", "--size=3"}}, ParseCase{"MissingValue", {"a", "--output"}},
        ParseCase{"UnexpectedValue", {"a", "--dry-run=yes"}},
        ParseCase{"UnexpectedValueAfterOneDash", {"a", "-dry-run=yes"}},
        ParseCase{"UnknownBeforeMissingValue", {"--colour", "a", "-o"}},
        ParseCase{"MissingValueAndTooMany", {"a", "b", "c", "-o"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandParser, HelpIsAskedForByEitherName)
{
    for (const std::vector<std::string>& arguments :
        {std::vector<std::string>{"--help"}, {"a", "-h"}, {"-help"}, {"a", "b", "c", "--help"}}) {
        testing::internal::CaptureStdout();
        const auto parsed = parseCommand(kSample, arguments);
        const std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_FALSE(parsed) << arguments.front();
        EXPECT_EQ(printed, helpText(kSample)) << arguments.front();
    }
}

// Qt names the program by argv[0]; vantor's help names the command, which
// its description begins with.
std::string helpByQt(const Command& command)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromStdString(command.description));
    addToQt(parser, command);
    parser.addOption({{"h", "help"}, "Shows this help."});
    QString text = parser.helpText();
    const QString program = QCoreApplication::arguments().constFirst();
    EXPECT_TRUE(text.startsWith("Usage: " + program));
    const QString name = QString::fromStdString(command.description.substr(0, command.description.find(':')));
    return text.replace(7, program.size(), name).toStdString();
}

TEST(CommandParser, HelpOfEveryCommandIsQtsHelp)
{
    int argc = 1;
    char program[] = "vantor";
    char* argv[] = {program, nullptr};
    const QCoreApplication application(argc, argv);
    std::vector<Command> commands = commandTable();
    commands.push_back(kSample);
    // A description and an option help longer than a line, to be wrapped.
    Command wrapped = kSample;
    wrapped.options.front().help
        = std::string(30, 'x') + " " + std::string(60, 'y') + " short words to wrap at the end";
    wrapped.options.back().names = {"a-very-long-option-name-that-fills-the-column-of-names-past-its-cap"};
    commands.push_back(wrapped);
    for (const Command& command : commands)
        EXPECT_EQ(helpText(command), helpByQt(command)) << command.group << " " << command.name;
}

TEST(CommandTable, UsageListsEveryCommandOnceInTableOrder)
{
    const std::string usage = usageText();
    std::size_t at = 0;
    for (const Command& command : commandTable()) {
        const std::string line
            = "\n  " + command.group + (command.name.empty() ? "" : " " + command.name) + " " + command.synopsis + "\n";
        const auto found = usage.find(line, at);
        ASSERT_NE(found, std::string::npos) << line;
        EXPECT_EQ(usage.find(line, found + 1), std::string::npos) << line;
        at = found + 1;
        EXPECT_FALSE(commandGroup(command.group).empty());
        EXPECT_TRUE(command.run) << line;
        EXPECT_LE(command.minimumPositional, command.maximumPositional) << line;
        if (command.lastRepeats)
            EXPECT_GT(static_cast<std::size_t>(command.maximumPositional), command.positionals.size()) << line;
        else
            EXPECT_EQ(static_cast<std::size_t>(command.maximumPositional), command.positionals.size()) << line;
    }
    EXPECT_TRUE(commandGroup("fly").empty());
}

TEST(CommandTable, AnUnknownSubcommandNamesTheGroupsChoices)
{
    try {
        runCommand(commandGroup("flight"), {"fly", "game"});
        FAIL() << "no usage error";
    } catch (const UsageError& e) {
        EXPECT_STREQ(e.what(), "vantor flight takes export, import or show");
    }
}

} // namespace
} // namespace vantorcli
