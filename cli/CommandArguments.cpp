// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandArguments.h"

namespace vantorcli {

CommandArguments::CommandArguments(std::vector<std::string> positionals,
    std::map<std::string, std::vector<std::string>> options, std::map<std::string, std::string> defaults)
    : positionals_(std::move(positionals))
    , options_(std::move(options))
    , defaults_(std::move(defaults))
{
}

bool CommandArguments::isSet(const std::string& name) const
{
    const auto found = options_.find(name);
    return found != options_.end() && !found->second.empty();
}

std::optional<std::string> CommandArguments::value(const std::string& name) const
{
    if (isSet(name))
        return options_.at(name).back();
    if (const auto d = defaults_.find(name); d != defaults_.end() && !d->second.empty())
        return d->second;
    return std::nullopt;
}

std::vector<std::string> CommandArguments::values(const std::string& name) const
{
    if (isSet(name))
        return options_.at(name);
    if (const auto d = defaults_.find(name); d != defaults_.end() && !d->second.empty())
        return {d->second};
    return {};
}

} // namespace vantorcli
