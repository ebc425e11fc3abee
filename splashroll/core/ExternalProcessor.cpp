// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExternalProcessor.h"

#include "common/core/SystemCalls.h"

#include <string>

namespace splashroll {

bool ExternalProcessor::run(const std::string& command)
{
    return common::sys::runAndWait(program_, {"/c", command}) == 0;
}

} // namespace splashroll
