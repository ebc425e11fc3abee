// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantorcli {

// Comma-separated text as spreadsheets write it: fields may be quoted
// (a quote inside doubled), lines end with CR LF or LF.
struct CsvLine {
    int number = 0; // 1-based line of the file
    std::vector<std::string> fields;
};

// Blank lines are skipped. An unterminated quote gives std::runtime_error.
std::vector<CsvLine> parseCsv(std::string_view text);

// One line, CR LF ended, quoting only fields that need it.
std::string csvLine(const std::vector<std::string>& fields);

} // namespace vantorcli
