#include "MenuFileError.h"

#include "Latin1Text.h"

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

std::string describe(int row, MenuFileError::Field field, MenuFileError::Problem problem, const std::string& value)
{
    std::string where = row < 0 ? "The " + fieldName(field) : "Row " + std::to_string(row) + ", " + fieldName(field);
    switch (problem) {
    case MenuFileError::Problem::TooLong:
        return where + ": " + std::to_string(characterCount(value)) + " characters; at most 254 fit in a menu file.";
    case MenuFileError::Problem::NotLatin1:
        return where + ": \"" + value + "\" holds a character outside the Latin-1 character set.";
    case MenuFileError::Problem::OutOfRange:
        return where + ": \"" + value + "\" is not a coordinate from 0 to 65535.";
    }
    return where;
}

} // namespace

MenuFileError::MenuFileError(int row, Field field, Problem problem, const std::string& value)
    : std::runtime_error(describe(row, field, problem, value)), row_(row), field_(field), problem_(problem)
{
}

} // namespace menuwright
