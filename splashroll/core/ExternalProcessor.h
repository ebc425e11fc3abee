// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandProcessor.h"

#include <filesystem>

namespace splashroll {

// The system's command processor: started as `PROGRAM /c COMMAND` in the
// current folder and waited for.
class ExternalProcessor : public CommandProcessor {
public:
    explicit ExternalProcessor(std::filesystem::path program) : program_(std::move(program)) {}

    const std::filesystem::path& program() const { return program_; }
    bool run(const std::string& command) override;

private:
    std::filesystem::path program_;
};

} // namespace splashroll
