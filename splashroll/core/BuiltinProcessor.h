// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandProcessor.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace splashroll {

// Where no command processor exists, the rotator carries out its own
// commands: exactly "del NAME" and "copy SOURCE TARGET" (TARGET a file or a
// folder such as ".."), with the outcomes the command processor gives them.
// Names are found without regard to letter case, "\" separates folders, and
// read-only files are neither deleted nor overwritten.
class BuiltinProcessor : public CommandProcessor {
public:
    explicit BuiltinProcessor(std::filesystem::path folder) : folder_(std::move(folder)) {}

    bool run(const std::string& command) override;
    std::string failureReason() const override { return reason_; }

    // The entry a command name refers to in `folder`, if there is one.
    static std::optional<std::filesystem::path> find(const std::filesystem::path& folder, std::string_view name);

private:
    bool del(std::string_view name);
    bool copy(std::string_view source, std::string_view target);
    bool fail(std::string reason);

    std::filesystem::path folder_;
    std::string reason_;
};

} // namespace splashroll
