// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vantorcli {

// What a command was given: its positional arguments, and each option's
// values in the order given (a switch has one empty value per time given).
class CommandArguments {
public:
    CommandArguments(std::vector<std::string> positionals, std::map<std::string, std::vector<std::string>> options,
        std::map<std::string, std::string> defaults);

    const std::string& positional(std::size_t index) const { return positionals_.at(index); }
    std::size_t positionalCount() const { return positionals_.size(); }

    // By any of the option's names.
    bool isSet(const std::string& name) const;
    // The last value given, else the option's default, else nothing.
    std::optional<std::string> value(const std::string& name) const;
    // Every value given, in order (a repeated option adds values), else the
    // default alone.
    std::vector<std::string> values(const std::string& name) const;

private:
    std::vector<std::string> positionals_;
    std::map<std::string, std::vector<std::string>> options_; // by every name
    std::map<std::string, std::string> defaults_;
};

} // namespace vantorcli
