// SPDX-License-Identifier: GPL-3.0-or-later
#include "Request.h"

#include "PictureCommands.h"
#include "Refusal.h"

#include <cstdio>

namespace splashroll {

namespace {

constexpr long long kSaturation = 1'000'000'000'000LL;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Characters the command processor would act on instead of passing them on:
// redirection, pipes, command chaining, quoting, escapes, variables,
// wildcards, and the separators that would split the stem in two.
bool isInterpreted(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F)
        return true;
    for (char special : std::string_view("&|<>^\"%*?,;= "))
        if (c == special)
            return true;
    return false;
}

std::string describe(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) {
        char code[8];
        std::snprintf(code, sizeof code, "0x%02X", u);
        return std::string("the control character ") + code;
    }
    if (c == ' ')
        return "a space";
    return std::string("the character ") + c;
}

} // namespace

long long readLenientNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < kSaturation)
            value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

Request parseRequest(const std::vector<std::string>& arguments)
{
    if (arguments.size() < 2)
        throw Refusal("needs two arguments, the picture stem and the highest picture number");

    Request request;
    request.stem = arguments[0];
    if (request.stem.empty())
        throw Refusal("the picture stem is empty");
    for (char c : request.stem) {
        if (isInterpreted(c))
            throw Refusal("the picture stem must not hold " + describe(c));
    }

    const long long highest = readLenientNumber(arguments[1]);
    if (highest > kHighestLimit || highest < -kHighestLimit)
        throw Refusal("the highest picture number must lie between -" + std::to_string(kHighestLimit) + " and "
            + std::to_string(kHighestLimit));
    request.highest = static_cast<int>(highest);

    // The longest command is the one for the picture number farthest from 0.
    const std::size_t room = kCommandBufferLength - copyCommand("", request.highest).size();
    if (request.stem.size() > room)
        throw Refusal("the picture stem is too long: at most " + std::to_string(room)
            + " characters fit with this highest number");
    return request;
}

} // namespace splashroll
