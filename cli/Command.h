// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vantorcli {

class CommandArguments;

// One subcommand as the command table holds it: what the usage text, its
// help and its parser are made from, and the function that runs it.
struct Command {
    struct Positional {
        std::string name;
        std::string help;
    };
    struct Option {
        std::vector<std::string> names; // one letter: -o; longer: --output
        std::string valueName;          // empty: a switch
        std::string help;
        std::string defaultValue;
    };

    std::string group{};       // the word after vantor
    std::string name{};        // the word after the group; empty for one-word commands
    std::string synopsis{};    // its arguments in the usage text
    std::string description{}; // the first line of its help
    std::vector<Positional> positionals{};
    std::vector<Option> options{};
    int minimumPositional = 0;
    int maximumPositional = 0;
    // The last positional may be given again, up to maximumPositional in all.
    bool lastRepeats = false;
    int (*run)(const CommandArguments&) = nullptr;
    // The exit code of a refusal: diff answers 1 for "different", so its
    // trouble is 2.
    int failureCode = 1;
};

} // namespace vantorcli
