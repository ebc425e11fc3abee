// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace splashroll {

// Something that carries out one command line and waits for it.
class CommandProcessor {
public:
    virtual ~CommandProcessor() = default;
    // True when the command succeeded; the rotator runs on either way.
    virtual bool run(const std::string& command) = 0;
    // Why the last command failed, where the processor knows; else empty.
    virtual std::string failureReason() const { return {}; }
};

} // namespace splashroll
