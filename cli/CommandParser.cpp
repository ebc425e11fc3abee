// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandParser.h"

#include "CommandLine.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>

namespace vantorcli {

namespace {

const Command::Option kHelp{{"h", "help"}, "", "Shows this help.", ""};

std::vector<Command::Option> optionsOf(const Command& command)
{
    std::vector<Command::Option> options = command.options;
    options.push_back(kHelp);
    return options;
}

// The name an option is known by to CLI11: its longest.
const std::string& mainName(const Command::Option& option)
{
    return *std::max_element(option.names.begin(), option.names.end(),
        [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
}

// Option names with their dashes and value, as the help lists them.
std::string namesText(const Command::Option& option)
{
    std::string text;
    for (const std::string& name : option.names)
        text += (text.empty() ? "" : ", ") + std::string(name.size() == 1 ? "-" : "--") + name;
    if (!option.valueName.empty())
        text += " <" + option.valueName + ">";
    return text;
}

// One entry of the help: the names in their column, the description
// wrapped at 79 columns after it.
std::string wrapped(const std::string& names, std::size_t width, const std::string& description)
{
    const std::string indentation = "  ";
    std::size_t nameAt = 0;
    const auto nextNames = [&] {
        std::string section = names.substr(std::min(nameAt, names.size()), width);
        nameAt += section.size();
        return section;
    };
    std::string text;
    const std::size_t max = 79 - (indentation.size() + width + 1);
    const std::size_t length = description.size();
    std::size_t lineStart = 0;
    std::size_t x = 0;
    // npos: none yet (an optional here trips GCC's -Os uninitialised warning).
    std::size_t lastBreakable = std::string::npos;
    for (std::size_t i = 0; i < length; ++i) {
        ++x;
        const char c = description[i];
        if (std::isspace(static_cast<unsigned char>(c)))
            lastBreakable = i;
        std::optional<std::size_t> breakAt;
        std::size_t nextLineStart = 0;
        if (x > max && lastBreakable != std::string::npos) {
            breakAt = lastBreakable;
            nextLineStart = lastBreakable + 1;
        } else if ((x > max - 1 && lastBreakable == std::string::npos) || i == length - 1) {
            breakAt = i + 1;
            nextLineStart = i + 1;
        } else if (c == '\n') {
            breakAt = i;
            nextLineStart = i + 1;
        }
        if (breakAt) {
            std::string section = nextNames();
            section.resize(std::max(section.size(), width), ' ');
            text += indentation + section + ' ' + description.substr(lineStart, *breakAt - lineStart) + '\n';
            x = 0;
            lastBreakable = std::string::npos;
            lineStart = nextLineStart;
            if (lineStart < length && std::isspace(static_cast<unsigned char>(description[lineStart])))
                ++lineStart; // no line starts with a space
            i = lineStart;
        }
    }
    while (nameAt < names.size())
        text += indentation + nextNames() + '\n';
    return text;
}

const Command::Option* findOption(const std::vector<Command::Option>& options, const std::string& name)
{
    for (const Command::Option& option : options)
        if (std::find(option.names.begin(), option.names.end(), name) != option.names.end())
            return &option;
    return nullptr;
}

} // namespace

std::string helpText(const Command& command)
{
    const auto options = optionsOf(command);
    std::string usage = "vantor " + command.group + (command.name.empty() ? "" : " " + command.name) + " [options]";
    for (const Command::Positional& p : command.positionals)
        usage += " " + p.name;
    std::string text = "Usage: " + usage + "\n" + command.description + "\n\nOptions:\n";
    std::size_t width = 0;
    for (const Command::Option& option : options)
        width = std::max(width, namesText(option).size());
    width = std::min<std::size_t>(50, width + 1);
    for (const Command::Option& option : options)
        text += wrapped(namesText(option), width, option.help);
    if (!command.positionals.empty()) {
        text += "\nArguments:\n";
        for (const Command::Positional& p : command.positionals)
            text += wrapped(p.name, width, p.help);
    }
    return text;
}

std::optional<CommandArguments> parseCommand(const Command& command, const std::vector<std::string>& arguments)
{
    const auto options = optionsOf(command);
    // First the grammar the suite's programs share, which CLI11 does not
    // have (-output as --output, the first bad value named as given), each
    // option rewritten as --NAME=VALUE; the positional arguments go after --.
    std::vector<std::string> canonical;
    std::vector<std::string> positionals;
    std::vector<std::string> unknown;
    std::string valueError;
    bool onlyPositionals = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyPositionals || argument.size() < 2 || argument[0] != '-') {
            positionals.push_back(argument);
            continue;
        }
        if (argument == "--") {
            onlyPositionals = true;
            continue;
        }
        const std::string word = argument.substr(argument[1] == '-' ? 2 : 1);
        const auto equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const Command::Option* option = findOption(options, name);
        if (!option) {
            unknown.push_back(name);
            continue;
        }
        std::string value;
        if (option->valueName.empty()) {
            if (equals != std::string::npos && valueError.empty())
                valueError
                    = "Unexpected value after '" + argument.substr(0, argument.size() - word.size() + equals) + "'.";
            canonical.push_back("--" + mainName(*option));
            continue;
        }
        if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            if (valueError.empty())
                valueError = "Missing value after '" + argument + "'.";
            continue;
        }
        // Each value behind a '=' of its own, so that an empty one stays a value.
        canonical.push_back("--" + mainName(*option) + "==" + value);
    }
    if (!valueError.empty())
        throw UsageError(valueError);
    if (unknown.size() == 1)
        throw UsageError("Unknown option '" + unknown.front() + "'.");
    if (unknown.size() > 1) {
        std::string names;
        for (const std::string& name : unknown)
            names += (names.empty() ? "" : ", ") + name;
        throw UsageError("Unknown options: " + names + ".");
    }

    CLI::App app(command.description, "vantor");
    app.set_help_flag();
    std::map<std::string, std::vector<std::string>> values;
    std::vector<std::size_t> counts(options.size(), 0);
    for (std::size_t n = 0; n < options.size(); ++n) {
        const std::string flag = "--" + mainName(options[n]);
        if (options[n].valueName.empty())
            app.add_flag(flag, counts[n]);
        else
            app.add_option(flag, values[mainName(options[n])])->allow_extra_args(false);
    }
    std::vector<std::string> given;
    app.add_option("arguments", given);
    canonical.push_back("--");
    canonical.insert(canonical.end(), positionals.begin(), positionals.end());
    std::reverse(canonical.begin(), canonical.end()); // CLI11 takes them last first
    try {
        app.parse(canonical);
    } catch (const CLI::ParseError& e) {
        throw UsageError(e.what());
    }

    std::map<std::string, std::vector<std::string>> byName;
    std::map<std::string, std::string> defaults;
    for (std::size_t n = 0; n < options.size(); ++n) {
        std::vector<std::string> optionValues
            = options[n].valueName.empty() ? std::vector<std::string>(counts[n]) : values[mainName(options[n])];
        if (!options[n].valueName.empty())
            for (std::string& v : optionValues)
                v.erase(0, 1);
        for (const std::string& name : options[n].names) {
            byName[name] = optionValues;
            defaults[name] = options[n].defaultValue;
        }
    }
    if (!byName["help"].empty()) {
        writeStandardOutput(helpText(command));
        return std::nullopt;
    }
    const auto count = static_cast<int>(given.size());
    if (count < command.minimumPositional || count > command.maximumPositional)
        throw UsageError(
            count < command.minimumPositional ? "missing arguments (see --help)" : "too many arguments (see --help)");
    return CommandArguments(std::move(given), std::move(byName), std::move(defaults));
}

} // namespace vantorcli
