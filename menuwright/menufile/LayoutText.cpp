// SPDX-License-Identifier: GPL-3.0-or-later
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

// Whether a stream's text is UTF-8, kept with the stream itself, since
// the readers take its rows in several calls.
enum StreamEncoding : long { NotChecked = 0, Latin1 = 1, Utf8 = 2 };

int encodingSlot()
{
    static const int slot = std::ios_base::xalloc();
    return slot;
}

// The layout text files are written in Latin-1, so they are read as such;
// only a file that begins with a UTF-8 byte-order mark (an editor's save) is
// read as UTF-8. Checked at the first read from the stream.
StreamEncoding encodingOf(std::istream& stream)
{
    long& encoding = stream.iword(encodingSlot());
    if (encoding == NotChecked) {
        encoding = Latin1;
        static constexpr char kMark[] = "\xEF\xBB\xBF";
        std::string start;
        for (int i = 0; i < 3 && stream.peek() == static_cast<unsigned char>(kMark[i]); ++i)
            start += static_cast<char>(stream.get());
        if (start.size() == 3)
            encoding = Utf8;
        else
            for (auto it = start.rbegin(); it != start.rend(); ++it)
                stream.putback(*it);
    }
    return static_cast<StreamEncoding>(encoding);
}

std::string decodeLine(const std::string& bytes, StreamEncoding encoding)
{
    if (encoding == Utf8 && isValidUtf8(bytes))
        return bytes;
    return latin1ToUtf8(bytes);
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
    const StreamEncoding encoding = encodingOf(stream);
    for (int r = first; r <= last; ++r) {
        ButtonRow row;
        for (std::string* field : {&row.caption, &row.L, &row.T, &row.W, &row.H}) {
            if (!readLine(stream, line))
                return rows;
            *field = decodeLine(line, encoding);
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
