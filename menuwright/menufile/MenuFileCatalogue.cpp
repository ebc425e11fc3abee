// SPDX-License-Identifier: GPL-3.0-or-later
#include "menuwright/menufile/MenuFileCatalogue.h"

#include "menuwright/menufile/Latin1Text.h"
#include "menuwright/menufile/MenuFileReader.h"
#include "menuwright/menufile/ScreenCheck.h"
#include "menuwright/menufile/Side.h"

#include "common/core/FieldValueError.h"

#include <algorithm>
#include <charconv>

namespace menuwright {

namespace {

// Where the fields of an entry lie, from its first byte: a button entry
// (00 06) has its caption's length at 4, an exit entry (00 03) at 6.
void addEntry(std::vector<common::FieldPlace>& places, std::span<const std::uint8_t> bytes, std::size_t& at, int n)
{
    const bool exit = bytes[at + 1] == 0x03;
    const std::size_t lengthAt = at + (exit ? 6 : 4);
    const std::size_t captionWidth = bytes[lengthAt] - 1u;
    const std::size_t caption = lengthAt + 4;
    const std::size_t rectangle = caption + captionWidth + 1;
    const std::string record = "button " + std::to_string(n);
    places.push_back({record, "id", at + 2, 1, true});
    places.push_back({record, "caption", caption, captionWidth, true});
    const char* names[] = {"L", "T", "W", "H"};
    for (std::size_t i = 0; i < 4; ++i)
        places.push_back({record, names[i], rectangle + 2 * i, 2, true});
    at = rectangle + 8 + (exit ? 7 : 3);
}

bool isText(const common::FieldPlace& place)
{
    return place.field == "caption" || place.field == "name";
}

// The place as the bytes hold it; refused when they end before it or hold
// no such field there.
void check(std::span<const std::uint8_t> bytes, const common::FieldPlace& place, const MenuFileCatalogue& catalogue)
{
    const auto places = catalogue.fields(bytes);
    const bool found = std::any_of(places.begin(), places.end(), [&](const common::FieldPlace& p) {
        return p.record == place.record && p.field == place.field && p.offset == place.offset && p.width == place.width;
    });
    if (found)
        return;
    common::FileCatalogue::refuseBeyondEnd(bytes, place, place.width);
    if (places.empty())
        throw common::FileCatalogue::endsBefore(place);
    throw common::FieldValueError("There is no field " + place.field + " of " + place.record + " in this menu file.");
}

std::optional<unsigned> wholeNumber(std::string_view text, unsigned highest)
{
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value > highest)
        return std::nullopt;
    return value;
}

} // namespace

bool MenuFileCatalogue::holds(std::string_view fileName) const
{
    for (const Side side : {Side::USA, Side::Britain, Side::Axis})
        if (fileName == selectionMenuFileName(side) || fileName == hangarMenuFileName(side))
            return true;
    return false;
}

std::vector<common::FieldPlace> MenuFileCatalogue::fields(std::span<const std::uint8_t> bytes) const
{
    // Only bytes of the writer's layout are walked; the reader checks it.
    const auto menu = readMenuFile(bytes);
    if (!menu)
        return {};
    std::vector<common::FieldPlace> places;
    std::size_t at = 16;
    if (!menu->hangar) {
        const std::size_t width = bytes[1] - 1u;
        places.push_back({"picture", "name", 5, width, true});
        at = width + 20;
    }
    for (std::size_t n = 1; n <= menu->buttons.size(); ++n)
        addEntry(places, bytes, at, static_cast<int>(n));
    return places;
}

std::string MenuFileCatalogue::text(std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const
{
    check(bytes, place, *this);
    const auto field = bytes.subspan(place.offset, place.width);
    if (isText(place))
        return latin1ToUtf8(std::string(field.begin(), field.end()));
    if (place.width == 1)
        return std::to_string(field[0]);
    return std::to_string(field[0] | (field[1] << 8));
}

std::vector<std::uint8_t> MenuFileCatalogue::withText(
    std::span<const std::uint8_t> bytes, const common::FieldPlace& place, std::string_view text) const
{
    check(bytes, place, *this);
    std::vector<std::uint8_t> out(bytes.begin(), bytes.end());
    const auto at = out.begin() + static_cast<std::ptrdiff_t>(place.offset);
    if (isText(place)) {
        const auto latin1 = utf8ToLatin1(text);
        if (!latin1)
            throw common::FieldValueError("\"" + std::string(text) + "\" holds a character the game cannot show.");
        if (latin1->find('\0') != std::string::npos)
            throw common::FieldValueError("A menu text cannot hold a zero character: the game would end it there.");
        if (latin1->size() != place.width) {
            throw common::FieldValueError("The " + place.field + " of " + place.record + " has "
                + std::to_string(place.width) + " characters in this file and must keep them, as the length "
                + "byte before it and the entries after it depend on it; \"" + std::string(text) + "\" has "
                + std::to_string(characterCount(text)) + ". Pad it with blanks or rewrite the file from its layout.");
        }
        std::copy(latin1->begin(), latin1->end(), at);
        return out;
    }
    const unsigned highest = place.width == 1 ? 255 : 65535;
    const auto value = wholeNumber(text, highest);
    if (!value) {
        throw common::FieldValueError(place.field + " takes a whole number from 0 to " + std::to_string(highest)
            + ", not \"" + std::string(text) + "\".");
    }
    at[0] = static_cast<std::uint8_t>(*value & 0xFF);
    if (place.width == 2)
        at[1] = static_cast<std::uint8_t>(*value >> 8);
    return out;
}

std::optional<std::string> MenuFileCatalogue::outOfDomain(
    std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const
{
    check(bytes, place, *this);
    const bool across = place.field == "L" || place.field == "W";
    if (!across && place.field != "T" && place.field != "H")
        return std::nullopt;
    const auto menu = readMenuFile(bytes);
    const std::size_t index = std::stoul(place.record.substr(place.record.find(' ') + 1)) - 1;
    const auto off = buttonsOffScreen(*menu);
    if (std::find(off.begin(), off.end(), index) == off.end())
        return std::nullopt;
    // Only the coordinates of the way the button runs off.
    const MenuButton& b = menu->buttons[index];
    const int reach = across ? b.L + b.W : b.T + b.H;
    const int screen = across ? kScreenWidth : kScreenHeight;
    if (reach <= screen)
        return std::nullopt;
    return place.record + " reaches to " + (across ? "x = " : "y = ") + std::to_string(reach) + ", beyond the "
        + std::to_string(kScreenWidth) + " x " + std::to_string(kScreenHeight) + " screen";
}

} // namespace menuwright
