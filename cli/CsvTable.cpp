// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvTable.h"

#include <stdexcept>

namespace vantorcli {

std::vector<CsvLine> parseCsv(std::string_view text)
{
    std::vector<CsvLine> lines;
    std::size_t i = 0;
    int lineNumber = 1;
    while (i < text.size()) {
        CsvLine line;
        line.number = lineNumber;
        std::string field;
        bool quoted = false;
        bool anything = false;
        for (;;) {
            if (i >= text.size()) {
                if (quoted)
                    throw std::runtime_error("line " + std::to_string(line.number) + ": a quote is not closed");
                break;
            }
            const char c = text[i++];
            if (quoted) {
                if (c == '"') {
                    if (i < text.size() && text[i] == '"') {
                        field += '"';
                        ++i;
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == '\n')
                        ++lineNumber;
                    field += c;
                }
                continue;
            }
            if (c == '"') {
                quoted = true;
                anything = true;
            } else if (c == ',') {
                line.fields.push_back(std::move(field));
                field.clear();
                anything = true;
            } else if (c == '\r' && i < text.size() && text[i] == '\n') {
                continue;
            } else if (c == '\n') {
                break;
            } else {
                field += c;
                anything = true;
            }
        }
        ++lineNumber;
        if (!anything && field.empty())
            continue;
        line.fields.push_back(std::move(field));
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string csvLine(const std::vector<std::string>& fields)
{
    std::string out;
    for (std::size_t n = 0; n < fields.size(); ++n) {
        if (n > 0)
            out += ',';
        const std::string& f = fields[n];
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            out += f;
            continue;
        }
        out += '"';
        for (char c : f) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
    return out;
}

} // namespace vantorcli
