#include "LayoutText.h"

#include "Latin1Text.h"
#include "MenuFileError.h"

#include "common/core/TextLines.h"

#include <utility>

namespace menuwright {

namespace {

using Field = MenuFileError::Field;

std::array<std::pair<const std::string*, Field>, 5> fieldsOf(const ButtonRow& row)
{
    return {{{&row.caption, Field::Caption}, {&row.L, Field::L}, {&row.T, Field::T}, {&row.W, Field::W},
        {&row.H, Field::H}}};
}

void appendRow(std::vector<std::string>& lines, const ButtonRow& row, int index, bool skipEmpty)
{
    for (const auto& [text, field] : fieldsOf(row)) {
        if (skipEmpty && text->empty())
            continue;
        auto latin1 = utf8ToLatin1(*text);
        if (!latin1)
            throw MenuFileError(index, field, MenuFileError::Problem::NotLatin1, *text);
        lines.push_back(std::move(*latin1));
    }
}

bool readLine(std::istream& stream, std::string& line)
{
    line.clear();
    if (stream.peek() == std::char_traits<char>::eof())
        return false;
    for (;;) {
        const auto c = stream.get();
        if (c == std::char_traits<char>::eof() || c == '\n')
            return true;
        if (c == '\r') {
            if (stream.peek() == '\n')
                stream.get();
            return true;
        }
        line += static_cast<char>(c);
    }
}

} // namespace

std::vector<std::string> layoutTextLines(const SelectionLayout& layout, LayoutTextVariant variant)
{
    std::vector<std::string> lines;
    for (int r = 0; r < SelectionLayout::kRows; ++r) {
        if (variant == LayoutTextVariant::SelectionComplete && (r == 6 || r == 7) && layout.side != Side::Axis)
            continue;
        appendRow(lines, layout.rows[r], r, variant == LayoutTextVariant::SelectionNonEmptyFields);
    }
    return lines;
}

std::vector<std::string> layoutTextLines(const HangarLayout& layout, const std::array<bool, HangarLayout::kRows>& shown)
{
    std::vector<std::string> lines;
    for (int r = 0; r < HangarLayout::kRows; ++r)
        if (shown[r])
            appendRow(lines, layout.rows[r], r, false);
    return lines;
}

void writeLayoutText(const std::filesystem::path& path, const SelectionLayout& layout, LayoutTextVariant variant)
{
    common::writeTextLines(path, layoutTextLines(layout, variant));
}

void writeLayoutText(const std::filesystem::path& path, const HangarLayout& layout,
    const std::array<bool, HangarLayout::kRows>& shown)
{
    common::writeTextLines(path, layoutTextLines(layout, shown));
}

std::vector<ButtonRow> readLayoutRows(std::istream& stream, int first, int last)
{
    std::vector<ButtonRow> rows;
    std::string line;
    for (int r = first; r <= last; ++r) {
        ButtonRow row;
        for (std::string* field : {&row.caption, &row.L, &row.T, &row.W, &row.H}) {
            if (!readLine(stream, line))
                return rows;
            *field = decodeTextLine(line);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::size_t countLayoutLines(std::istream& stream)
{
    std::size_t count = 0;
    std::string line;
    while (readLine(stream, line))
        ++count;
    return count;
}

} // namespace menuwright
