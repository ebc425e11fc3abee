// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ButtonRow.h"
#include "HangarLayout.h"
#include "SelectionLayout.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>
#include <vector>

namespace menuwright {

// The plain layout text file: five lines per row (caption, L, T, W, H),
// each ended by CR LF, no header. Texts are written in Latin-1 like the menu
// files; a field holding a character outside it throws MenuFileError.
enum class LayoutTextVariant {
    // Rows 0-5, 6-7 for the Axis only, 8-10; every line, empty or not.
    SelectionComplete,
    // Rows 0-10; a field leaves a line only when it is not empty.
    SelectionNonEmptyFields,
};

std::vector<std::string> layoutTextLines(const SelectionLayout& layout, LayoutTextVariant variant);
// Only the rows whose rectangle is shown, each with all five lines.
std::vector<std::string> layoutTextLines(const HangarLayout& layout, const std::array<bool, HangarLayout::kRows>& shown);

void writeLayoutText(const std::filesystem::path& path, const SelectionLayout& layout, LayoutTextVariant variant);
void writeLayoutText(const std::filesystem::path& path, const HangarLayout& layout,
    const std::array<bool, HangarLayout::kRows>& shown);

// Reads rows `first` to `last` from the stream, five lines each. A line ends
// at CR, CR LF or LF. Lines are Latin-1, as written, unless the stream
// begins with a UTF-8 byte-order mark; the rows come back as UTF-8. Reading stops at the end of the stream: only rows read
// whole are returned, so a short file yields fewer rows.
std::vector<ButtonRow> readLayoutRows(std::istream& stream, int first, int last);

// Lines as readLayoutRows counts them; a last line without a line end counts.
std::size_t countLayoutLines(std::istream& stream);

} // namespace menuwright
