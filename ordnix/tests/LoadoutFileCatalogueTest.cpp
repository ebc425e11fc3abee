// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordnix/core/LoadoutFileCatalogue.h"
#include "ordnix/core/LoadoutLayout.h"

#include "tools/demogen/OrdnixDemo.h"

#include "common/core/FieldValueError.h"

#include <gtest/gtest.h>

namespace ordnix {
namespace {

using Bytes = std::vector<std::uint8_t>;

common::FieldPlace placeOf(const Bytes& bytes, const std::string& record, const std::string& field)
{
    const auto place = LoadoutFileCatalogue().find(bytes, record, field);
    if (!place)
        throw std::logic_error("no " + record + " " + field);
    return *place;
}

TEST(LoadoutFileCatalogue, TakesOnlyAWholeNumberFrom0To255)
{
    const LoadoutFileCatalogue catalogue;
    const Bytes demo = demogen::buildDemoLoadout();
    const auto place = placeOf(demo, "record 4", "slot1.dbf");
    ASSERT_EQ(place.offset, 4u + 44 * 4 + 4 + 6);
    const struct {
        const char* text;
        int byte; // -1: refused
    } cases[] = {
        {"0", 0},
        {"255", 255},
        {" 17 ", 17},
        {"17.0", 17},
        {"256", -1},
        {"-1", -1},
        {"3.5", -1},
        {"2.5", -1},
        {"", -1},
        {"abc", -1},
        {"12x", -1},
        {"1e3", -1},
    };
    for (const auto& c : cases) {
        if (c.byte < 0) {
            EXPECT_THROW(catalogue.withText(demo, place, c.text), common::FieldValueError) << c.text;
            continue;
        }
        Bytes expected = demo;
        expected[place.offset] = static_cast<std::uint8_t>(c.byte);
        EXPECT_EQ(catalogue.withText(demo, place, c.text), expected) << c.text;
    }
}

// Codes beyond the lists the game can address and counts beyond the slots
// are warned about where the game reads them; bytes it passes over are not.
TEST(LoadoutFileCatalogue, WarnsOfCodesAndCountsBeyondWhatTheGameReads)
{
    const LoadoutFileCatalogue catalogue;
    Bytes file = demogen::buildDemoLoadout();
    const std::size_t record = 7;
    const std::size_t start = RecordStart(record) - 1;
    file[start + 2] = 2; // two slots in use
    const std::size_t escortCount = OptionCountPosition(OptionAnchor(3), 0) - 1;
    file[escortCount] = 2; // two escort options offered
    const struct {
        std::string record, field;
        std::uint8_t value;
        bool warned;
    } cases[] = {
        {"record 7", "planeCode", 50, false},
        {"record 7", "planeCode", 51, true},
        {"record 7", "slot1.weapon", 100, false},
        {"record 7", "slot1.weapon", 101, true},
        {"record 7", "slot2.rack", 51, true},
        {"record 7", "slot2.location", 20, false},
        {"record 7", "slot2.location", 21, true},
        {"record 7", "slot3.weapon", 200, false}, // beyond the two slots in use
        {"record 7", "slot1.number", 255, false},
        {"record 7", "usedSlots", 5, false},
        {"record 7", "usedSlots", 6, true},
        {"options 3", "escort.count", 6, false},
        {"options 3", "escort.count", 7, true},
        {"options 3", "interdiction.count", 9, true},
        {"options 3", "escort.option2", 255, false},
    };
    for (const auto& c : cases) {
        Bytes bytes = file;
        const auto place = placeOf(bytes, c.record, c.field);
        bytes[place.offset] = c.value;
        // The place as the changed bytes give it: a count decides what is in use.
        const auto changed = placeOf(bytes, c.record, c.field);
        EXPECT_EQ(catalogue.outOfDomain(bytes, changed).has_value(), c.warned)
            << c.record << " " << c.field << " = " << int(c.value);
    }
    EXPECT_TRUE(placeOf(file, "record 7", "slot2.dbf").inUse);
    EXPECT_FALSE(placeOf(file, "record 7", "slot3.weapon").inUse);
    EXPECT_TRUE(placeOf(file, "options 3", "escort.option2").inUse);
    EXPECT_FALSE(placeOf(file, "options 3", "escort.option3").inUse);
}

TEST(LoadoutFileCatalogue, HoldsTheOptionBlocksAsFarAsTheFileReaches)
{
    const LoadoutFileCatalogue catalogue;
    const Bytes demo = demogen::buildDemoLoadout();
    const auto blocksIn = [&](std::size_t size) {
        const Bytes bytes(demo.begin(), demo.begin() + static_cast<std::ptrdiff_t>(size));
        const auto places = catalogue.fields(bytes);
        return places.empty() ? std::string("none") : places.back().record;
    };
    const struct {
        std::size_t size;
        std::string lastRecord;
    } cases[] = {
        {demo.size(), "options 29"}, {LastOptionPosition(4), "options 4"}, {LastOptionPosition(4) - 1, "options 3"},
        {LastOptionPosition(0) - 1, "record 179"}, {kRecordsEnd, "record 179"},
        {kRecordsEnd - 1, "none"}, // the editor refuses a file without all records
    };
    for (const auto& c : cases)
        EXPECT_EQ(blocksIn(c.size), c.lastRecord) << c.size;
}

} // namespace
} // namespace ordnix

namespace ordnix {
namespace {

TEST(LoadoutFileCatalogue, RefusesAPlaceWhereNoSuchFieldLies)
{
    const LoadoutFileCatalogue catalogue;
    const Bytes demo = demogen::buildDemoLoadout();
    const auto planeCode = placeOf(demo, "record 5", "planeCode");
    const auto count = placeOf(demo, "options 29", "interdiction.count");
    const struct {
        const char* what;
        common::FieldPlace place;
    } cases[] = {
        {"another field's byte", {"record 5", "planeCode", planeCode.offset + 2, 1, true}},
        {"a byte no field holds", {"record 5", "planeCode", planeCode.offset + 1, 1, true}},
        {"the bytes between the sections", {"record 179", "slot5.dbf", kRecordsEnd, 1, true}},
        {"a field of the other section", {"options 29", "planeCode", count.offset, 1, true}},
        {"two bytes", {"record 5", "planeCode", planeCode.offset, 2, true}},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(catalogue.text(demo, c.place), common::FieldValueError) << c.what;
        EXPECT_THROW(catalogue.withText(demo, c.place, "1"), common::FieldValueError) << c.what;
    }
    const Bytes shorter(demo.begin(), demo.begin() + static_cast<std::ptrdiff_t>(count.offset));
    EXPECT_THROW(catalogue.withText(shorter, count, "1"), common::FieldValueError);
}

} // namespace
} // namespace ordnix
