// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuFileWriter.h"

#include "CoordinateText.h"
#include "Latin1Text.h"
#include "MenuFileError.h"

#include "common/core/AtomicWrite.h"

#include <array>
#include <initializer_list>
#include <string>

namespace menuwright {

namespace {

using Bytes = std::vector<std::uint8_t>;
using Field = MenuFileError::Field;
using Problem = MenuFileError::Problem;

constexpr std::size_t kMaxText = 254; // its length plus the zero byte must fit in one byte

void append(Bytes& out, std::initializer_list<std::uint8_t> bytes)
{
    out.insert(out.end(), bytes);
}

// A text as the file holds it: Latin-1 bytes, checked for length.
std::string encodedText(const std::string& text, int row, Field field)
{
    auto latin1 = utf8ToLatin1(text);
    if (!latin1)
        throw MenuFileError(row, field, Problem::NotLatin1, text);
    if (latin1->size() > kMaxText)
        throw MenuFileError(row, field, Problem::TooLong, text);
    return *latin1;
}

// A length byte followed by three zero bytes, the text and its zero byte.
void appendText(Bytes& out, const std::string& latin1)
{
    append(out, {static_cast<std::uint8_t>(latin1.size() + 1), 0x00, 0x00, 0x00});
    out.insert(out.end(), latin1.begin(), latin1.end());
    out.push_back(0x00);
}

std::array<std::uint8_t, 8> encodedRectangle(const ButtonRow& row, int index)
{
    const std::array<std::pair<const std::string*, Field>, 4> fields{
        {{&row.L, Field::L}, {&row.T, Field::T}, {&row.W, Field::W}, {&row.H, Field::H}}};
    std::array<std::uint8_t, 8> bytes{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto value = coordinateValue(*fields[i].first);
        if (!value)
            throw MenuFileError(index, fields[i].second, Problem::OutOfRange, *fields[i].first);
        bytes[2 * i] = static_cast<std::uint8_t>(*value % 256);
        bytes[2 * i + 1] = static_cast<std::uint8_t>(*value / 256);
    }
    return bytes;
}

void appendButtonEntry(Bytes& out, const ButtonRow& row, int index, std::uint8_t id)
{
    const std::string caption = encodedText(row.caption, index, Field::Caption);
    const auto rectangle = encodedRectangle(row, index);
    append(out, {0x00, 0x06, id, 0x00});
    appendText(out, caption);
    out.insert(out.end(), rectangle.begin(), rectangle.end());
    append(out, {0x01, 0x00, 0x00});
}

void appendExitEntry(Bytes& out, const ButtonRow& row, int index, std::uint8_t id)
{
    const std::string caption = encodedText(row.caption, index, Field::Caption);
    const auto rectangle = encodedRectangle(row, index);
    append(out, {0x00, 0x03, id, 0x00, 0x27, 0x1D});
    appendText(out, caption);
    out.insert(out.end(), rectangle.begin(), rectangle.end());
    append(out, {0xAF, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00});
}

} // namespace

std::vector<std::uint8_t> buildSelectionFile(const SelectionLayout& layout)
{
    const int entries = layout.side == Side::Axis ? 11 : 9;
    const std::string picture = encodedText(layout.pictureName, -1, Field::PictureName);

    Bytes out;
    out.push_back(0x0E);
    appendText(out, picture);
    append(out, {0x0D, 0x00, 0x00, 0x00, 0x00, 0x80, 0x02, 0xE0, 0x01});
    append(out, {static_cast<std::uint8_t>(entries), 0x00, 0x00, 0x00, 0x35});

    for (int r = 0; r <= entries - 4; ++r)
        appendButtonEntry(out, layout.rows[r], r, static_cast<std::uint8_t>(r + 1));
    appendButtonEntry(out, layout.rows[8], 8, static_cast<std::uint8_t>(entries - 2));
    appendButtonEntry(out, layout.rows[9], 9, static_cast<std::uint8_t>(entries - 1));
    appendExitEntry(out, layout.rows[10], 10, static_cast<std::uint8_t>(entries));
    return out;
}

std::vector<std::uint8_t> buildHangarFile(const HangarLayout& layout)
{
    Bytes out{0x0D, 0x00, 0x00, 0x00, 0x00, 0x80, 0x02, 0xE0, 0x01, 0x05, 0x00, 0x00, 0x00, 0x35, 0x00, 0x14};
    for (int r = 0; r < HangarLayout::kRows; ++r)
        appendButtonEntry(out, layout.rows[r], r, static_cast<std::uint8_t>(r < 3 ? r + 1 : r + 2));
    out.push_back(0x00);
    return out;
}

void writeSelectionFile(const std::filesystem::path& path, const SelectionLayout& layout)
{
    common::writeFileAtomically(path, buildSelectionFile(layout));
}

void writeHangarFile(const std::filesystem::path& path, const HangarLayout& layout)
{
    common::writeFileAtomically(path, buildHangarFile(layout));
}

} // namespace menuwright
