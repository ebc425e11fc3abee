#include "JsonText.h"

#include "common/core/Utf8.h"

#include <cmath>
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

void appendNumber(std::string& out, double v)
{
    // Whole numbers a double holds exactly are written as integers.
    if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 9007199254740992.0) {
        out += std::to_string(static_cast<long long>(v));
        return;
    }
    out += nlohmann::json(v).dump();
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
