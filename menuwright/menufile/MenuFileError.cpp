// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuFileError.h"

#include "Latin1Text.h"

#include <cstdio>

namespace menuwright {

namespace {

std::string fieldName(MenuFileError::Field field)
{
    switch (field) {
    case MenuFileError::Field::PictureName: return "picture file name";
    case MenuFileError::Field::Caption: return "caption";
    case MenuFileError::Field::L: return "L";
    case MenuFileError::Field::T: return "T";
    case MenuFileError::Field::W: return "W";
    case MenuFileError::Field::H: return "H";
    }
    return {};
}

// A value as a warning quotes it: a long one is cut, so that the warning
// still fits the window.
std::string quoted(const std::string& value)
{
    constexpr std::size_t kShown = 24;
    if (characterCount(value) <= kShown)
        return "\"" + value + "\"";
    return "\"" + firstCharacters(value, kShown) + "...\"";
}

std::string foreignCharacter(const std::string& value)
{
    const auto foreign = firstOutsideLatin1(value);
    if (!foreign)
        return "a character";
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(foreign->codePoint));
    std::string shown;
    if (foreign->codePoint != 0xFFFD)
        shown = "\"" + firstCharacters(value.substr(firstCharacters(value, foreign->position - 1).size()), 1) + "\" ";
    return "character " + std::to_string(foreign->position) + ", " + shown + "(" + code + "),";
}

std::string describe(int row, MenuFileError::Field field, MenuFileError::Problem problem, const std::string& value)
{
    std::string where = row < 0 ? "The " + fieldName(field) : "Row " + std::to_string(row) + ", " + fieldName(field);
    switch (problem) {
    case MenuFileError::Problem::TooLong:
        return where + ": " + std::to_string(characterCount(value)) + " characters; at most 254 fit in a menu file.";
    case MenuFileError::Problem::NotLatin1:
        return where + ": " + foreignCharacter(value) + " is outside the Latin-1 character set.";
    case MenuFileError::Problem::OutOfRange:
        return where + ": " + quoted(value) + " is not a coordinate from 0 to 65535.";
    }
    return where;
}

} // namespace

MenuFileError::MenuFileError(int row, Field field, Problem problem, const std::string& value)
    : std::runtime_error(describe(row, field, problem, value)), row_(row), field_(field), problem_(problem)
{
}

} // namespace menuwright
