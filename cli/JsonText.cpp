// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonText.h"

#include "common/core/Utf8.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstdio>

namespace vantorcli {

namespace {

void appendString(std::string& out, const std::string& text)
{
    out += '"';
    for (std::size_t at = 0; at < text.size();) {
        const auto [code, length] = common::utf8At(text, at);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++at;
            continue;
        }
        switch (code) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (code < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(code));
                out += escaped;
            } else {
                out.append(text, at, length);
            }
        }
        at += length;
    }
    out += '"';
}

// The shortest digits that read back as `v`, in the form the shorter of
// decimal and exponent gives (a tie: decimal), as Qt's JSON writer does.
std::string shortestText(double v)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific).ptr;
    std::string text(buffer, end);
    std::string sign;
    if (text.front() == '-') {
        sign = "-";
        text.erase(0, 1);
    }
    const auto e = text.find('e');
    const int exponent = std::stoi(text.substr(e + 1));
    std::string digits = text.substr(0, e);
    if (digits.size() > 1)
        digits.erase(1, 1); // the decimal point
    const auto count = static_cast<int>(digits.size());
    const int point = exponent + 1; // digits before the decimal point
    std::string decimal;
    if (point <= 0)
        decimal = "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    else if (point >= count)
        decimal = digits + std::string(static_cast<std::size_t>(point - count), '0');
    else
        decimal
            = digits.substr(0, static_cast<std::size_t>(point)) + "." + digits.substr(static_cast<std::size_t>(point));
    const std::string power = std::to_string(std::abs(exponent));
    const std::string scientific = digits.substr(0, 1) + (count > 1 ? "." + digits.substr(1) : "")
        + (exponent < 0 ? "e-" : "e+") + (power.size() < 2 ? "0" : "") + power;
    return sign + (decimal.size() <= scientific.size() ? decimal : scientific);
}

void appendNumber(std::string& out, double v)
{
    if (!std::isfinite(v)) {
        out += "null";
        return;
    }
    // Whole numbers up to 2^53, which a double holds exactly, are written
    // as integers.
    if (v == std::trunc(v) && std::fabs(v) <= 9007199254740992.0) {
        out += std::to_string(static_cast<long long>(v));
        return;
    }
    out += shortestText(v);
}

void append(std::string& out, const nlohmann::json& value, int depth)
{
    const std::string indent(static_cast<std::size_t>(depth + 1) * 4, ' ');
    const std::string closing(static_cast<std::size_t>(depth) * 4, ' ');
    if (value.is_array() || value.is_object()) {
        const bool array = value.is_array();
        out += array ? "[\n" : "{\n";
        bool first = true;
        for (auto it = value.begin(); it != value.end(); ++it) {
            out += first ? "" : ",\n";
            first = false;
            out += indent;
            if (!array) {
                appendString(out, it.key());
                out += ": ";
            }
            append(out, *it, depth + 1);
        }
        out += (first ? "" : "\n") + closing + (array ? "]" : "}");
    } else if (value.is_string()) {
        appendString(out, value.get<std::string>());
    } else if (value.is_number()) {
        appendNumber(out, value.get<double>());
    } else if (value.is_boolean()) {
        out += value.get<bool>() ? "true" : "false";
    } else {
        out += "null";
    }
}

} // namespace

std::string jsonText(const nlohmann::json& value)
{
    std::string out;
    append(out, value, 0);
    return out + "\n";
}

} // namespace vantorcli
