// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortiekit/core/AirfieldFile.h"
#include "sortiekit/core/AirfieldFileCatalogue.h"

#include "tools/demogen/SortiekitDemo.h"

#include "common/core/FieldValueError.h"

#include <gtest/gtest.h>

#include <map>

namespace sortiekit {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string textOf(const Bytes& bytes, const std::string& record, const std::string& field)
{
    const AirfieldFileCatalogue catalogue;
    const auto place = catalogue.find(bytes, record, field);
    return place ? catalogue.text(bytes, *place) : "(none)";
}

// What a save writes reads back field by field: the chosen airfields carry
// their slot's value in all four and a zero after them, the others -1.
TEST(AirfieldFileCatalogue, ReadsTheBasesASaveWrites)
{
    const Bytes dat = AirfieldFile::withBases(demogen::buildAirfieldBak(), {12, 40, 161, 3});
    const std::map<int, std::string> chosen{{12, "7"}, {40, "9"}, {161, "2"}, {3, "2"}};
    for (int k : {0, 3, 12, 40, 100, 161}) {
        const std::string record = "airfield " + std::to_string(k);
        const auto it = chosen.find(k);
        for (const char* field : {"slotValue1", "slotValue2", "slotValue3", "slotValue4"})
            EXPECT_EQ(textOf(dat, record, field), it == chosen.end() ? "-1" : it->second) << record << " " << field;
        if (it != chosen.end()) {
            EXPECT_EQ(textOf(dat, record, "byte8"), "0") << record;
        }
    }
    EXPECT_EQ(textOf(dat, "airfield 162", "slotValue1"), "(none)");
    const Bytes shorter(dat.begin(), dat.begin() + static_cast<std::ptrdiff_t>(AirfieldFile::kMinimumSize - 1));
    EXPECT_TRUE(AirfieldFileCatalogue().fields(shorter).empty());
}

TEST(AirfieldFileCatalogue, TakesSigned16BitSlotValuesAndWarnsOfOthersThanTheBases)
{
    const AirfieldFileCatalogue catalogue;
    const Bytes dat = AirfieldFile::withBases(demogen::buildAirfieldBak(), {12, 40, 161, 3});
    const struct {
        const char* field;
        const char* text;
        std::vector<std::uint8_t> written; // empty: refused
        bool warned;
    } cases[] = {
        {"slotValue2", "-1", {0xFF, 0xFF}, false},
        {"slotValue2", "7", {0x07, 0x00}, false},
        {"slotValue2", "9", {0x09, 0x00}, false},
        {"slotValue2", "2", {0x02, 0x00}, false},
        {"slotValue2", "0", {0x00, 0x00}, true},
        {"slotValue2", "-2", {0xFE, 0xFF}, true},
        {"slotValue4", "300", {0x2C, 0x01}, true},
        {"slotValue4", "32767", {0xFF, 0x7F}, true},
        {"slotValue4", "-32768", {0x00, 0x80}, true},
        {"slotValue4", "32768", {}, false},
        {"slotValue4", "-32769", {}, false},
        {"slotValue1", "7.5", {}, false},
        {"slotValue1", "", {}, false},
        {"slotValue1", "FFFF", {}, false},
        {"byte8", "255", {0xFF}, false},
        {"byte8", "256", {}, false},
        {"byte8", "-1", {}, false},
    };
    for (const auto& c : cases) {
        const auto place = catalogue.find(dat, "airfield 50", c.field);
        ASSERT_TRUE(place) << c.field;
        if (c.written.empty()) {
            EXPECT_THROW(catalogue.withText(dat, *place, c.text), common::FieldValueError) << c.field << " " << c.text;
            continue;
        }
        const Bytes changed = catalogue.withText(dat, *place, c.text);
        Bytes expected = dat;
        std::copy(c.written.begin(), c.written.end(), expected.begin() + static_cast<std::ptrdiff_t>(place->offset));
        EXPECT_EQ(changed, expected) << c.field << " " << c.text;
        EXPECT_EQ(catalogue.outOfDomain(changed, *place).has_value(), c.warned) << c.field << " " << c.text;
    }
}

TEST(AirfieldFileCatalogue, RefusesAPlaceWhereNoSuchFieldLies)
{
    const AirfieldFileCatalogue catalogue;
    const Bytes dat = AirfieldFile::withBases(demogen::buildAirfieldBak(), {12, 40, 161, 3});
    auto place = *catalogue.find(dat, "airfield 161", "slotValue4");
    const Bytes shorter(dat.begin(), dat.begin() + static_cast<std::ptrdiff_t>(place.offset + 1));
    EXPECT_THROW(catalogue.withText(shorter, place, "7"), common::FieldValueError);
    place.offset -= 1; // across two slot values
    EXPECT_THROW(catalogue.text(dat, place), common::FieldValueError);
}

} // namespace
} // namespace sortiekit
