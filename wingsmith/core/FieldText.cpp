// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldText.h"
#include "common/core/ShownText.h"

#include "common/core/FileLookup.h"
#include "common/core/LittleEndian.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace wingsmith {

namespace le = common::le;

namespace {

constexpr std::uint32_t kQuietNan = 0x7FC00000;
constexpr std::uint32_t kNegativeQuietNan = 0xFFC00000;

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::int64_t parseWhole(std::string_view text, const RecordField& field)
{
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec == std::errc::invalid_argument || end != digits.data() + digits.size())
        throw FieldValueError("'" + common::shownText(text) + "' is not a whole number");
    if (ec == std::errc::result_out_of_range || value < field.minimum || value > field.maximum)
        throw FieldValueError("'" + common::shownText(text) + "' is outside " + std::to_string(field.minimum) + " to "
            + std::to_string(field.maximum));
    return value;
}

} // namespace

std::string exactFloatText(float value)
{
    const std::uint32_t bits = le::floatToBits(value);
    if (std::isnan(value)) {
        if (bits == kQuietNan)
            return "nan";
        if (bits == kNegativeQuietNan)
            return "-nan";
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "nan:0x%08x", static_cast<unsigned>(bits));
        return buffer;
    }
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

float exactFloatFromText(std::string_view text)
{
    const std::string_view t = trimmed(text);
    const std::string l = common::lowerCase(std::string(t));
    if (l == "nan")
        return le::bitsToFloat(kQuietNan);
    if (l == "-nan")
        return le::bitsToFloat(kNegativeQuietNan);
    if (l.rfind("nan:0x", 0) == 0 && l.size() > 6) {
        std::uint32_t bits = 0;
        const auto [end, ec] = std::from_chars(l.data() + 6, l.data() + l.size(), bits, 16);
        if (ec == std::errc() && end == l.data() + l.size() && std::isnan(le::bitsToFloat(bits)))
            return le::bitsToFloat(bits);
        throw FieldValueError("'" + common::shownText(text) + "' is not a NaN pattern");
    }
    if (l == "inf" || l == "+inf" || l == "infinity")
        return std::numeric_limits<float>::infinity();
    if (l == "-inf" || l == "-infinity")
        return -std::numeric_limits<float>::infinity();

    std::string_view number = t;
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    float value = 0;
    // from_chars would also read "nan" and "inf"; those are handled above,
    // so only plain decimals reach it.
    const bool plain = !number.empty() && (std::isdigit(static_cast<unsigned char>(number.front())) || number.front() == '-'
        || number.front() == '.');
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (!plain || ec == std::errc::invalid_argument || end != number.data() + number.size())
        throw FieldValueError("'" + common::shownText(text) + "' is not a number");
    if (ec == std::errc::result_out_of_range) {
        // Too small rounds to a zero of its sign; too large does not fit.
        const double wide = std::strtod(std::string(number).c_str(), nullptr);
        if (std::fabs(wide) > 1.0)
            throw FieldValueError("'" + common::shownText(text) + "' is too large for a float");
        return std::signbit(wide) ? -0.0f : 0.0f;
    }
    return value;
}

std::string fieldText(std::span<const std::uint8_t> record, const RecordField& field)
{
    if (field.type == FieldType::Float || field.type == FieldType::Bits)
        return exactFloatText(le::getF32(record, field.offset));
    return std::to_string(fieldInteger(record, field));
}

std::int64_t fieldInteger(std::span<const std::uint8_t> record, const RecordField& field)
{
    switch (field.type) {
    case FieldType::Int16:
        return le::getI16(record, field.offset);
    case FieldType::UInt16:
        return le::getU16(record, field.offset);
    case FieldType::Int32:
        return le::getI32(record, field.offset);
    case FieldType::UInt8:
        return le::getU8(record, field.offset);
    case FieldType::Float:
    case FieldType::Bits:
        break;
    }
    return 0;
}

std::vector<std::uint8_t> fieldBytes(std::string_view text, const RecordField& field)
{
    std::vector<std::uint8_t> bytes(fieldWidth(field.type));
    switch (field.type) {
    case FieldType::Float:
    case FieldType::Bits:
        le::putF32(bytes, 0, exactFloatFromText(text));
        break;
    case FieldType::Int16:
        le::putI16(bytes, 0, static_cast<std::int16_t>(parseWhole(trimmed(text), field)));
        break;
    case FieldType::UInt16:
        le::putU16(bytes, 0, static_cast<std::uint16_t>(parseWhole(trimmed(text), field)));
        break;
    case FieldType::Int32:
        le::putI32(bytes, 0, static_cast<std::int32_t>(parseWhole(trimmed(text), field)));
        break;
    case FieldType::UInt8:
        le::putU8(bytes, 0, static_cast<std::uint8_t>(parseWhole(trimmed(text), field)));
        break;
    }
    return bytes;
}

std::vector<std::uint8_t> storedBytes(std::span<const std::uint8_t> record, const RecordField& field)
{
    const std::size_t width = fieldWidth(field.type);
    le::checkRange(record.size(), field.offset, width);
    const auto start = record.begin() + static_cast<std::ptrdiff_t>(field.offset);
    return {start, start + static_cast<std::ptrdiff_t>(width)};
}

} // namespace wingsmith
