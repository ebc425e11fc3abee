// SPDX-License-Identifier: GPL-3.0-or-later
// Splashroll's command line: the input split at NUL bytes into arguments,
// then the picture it would choose and the commands that install it.
#include "splashroll/core/Refusal.h"
#include "splashroll/core/Request.h"
#include "splashroll/core/Rotation.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace splashroll;
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back() += static_cast<char>(data[i]);
    }
    try {
        const Request request = parseRequest(arguments);
        for (std::uint32_t seed : {0u, 1u, 0x7fffffffu, 0xffffffffu})
            (void)planRotation(request, seed);
    } catch (const Refusal&) {
    }
    return 0;
}
