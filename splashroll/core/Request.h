// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace splashroll {

// What the command line asks for: the picture stem and the highest number.
struct Request {
    std::string stem;
    int highest = 0;
};

// Reads a number the lenient way of the C library: white space skipped,
// one optional sign, then digits up to the first other character; no digits
// give 0. Values far out of range saturate instead of overflowing.
long long readLenientNumber(std::string_view text);

// The request from the arguments after the program name (extra arguments
// are ignored). Throws Refusal with the reason when it must not run: fewer
// than two arguments, an empty stem or one holding a character the command
// processor would interpret, a highest number whose product with 32767 does
// not fit in 32 bits, or a stem too long for the command buffer.
Request parseRequest(const std::vector<std::string>& arguments);

} // namespace splashroll
