// SPDX-License-Identifier: GPL-3.0-or-later
#include "rosterly/core/SquadronFileCatalogue.h"

#include "tools/demogen/RosterlyDemo.h"

#include "common/core/FieldValueError.h"

#include <gtest/gtest.h>

namespace rosterly {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(SquadronFileCatalogue, KnowsSquadronFilesByTheirNameAlone)
{
    const struct {
        const char* name;
        bool held;
    } cases[] = {
        {"squs0001.dat", true},
        {"sqgr0042.dat", true},
        {"sqfr0001.dat", true},
        {"squs001.dat", false},
        {"squs00001.dat", false},
        {"squs0001.bak", false},
        {"xqus0001.dat", false},
        {"planes.dat", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SquadronFileCatalogue().holds(c.name), c.held) << c.name;
}

TEST(SquadronFileCatalogue, TakesADecimalCodeAndWarnsOfOneNoSquadronMayFly)
{
    const SquadronFileCatalogue catalogue;
    const Bytes file = demogen::buildSquadronFile({16, 17, 18}, 11);
    const auto place = catalogue.find(file, "record 2", "aircraft");
    ASSERT_TRUE(place);
    ASSERT_EQ(place->offset, 6u + 124);
    const struct {
        const char* text;
        int code; // -1: refused
        bool warned;
    } cases[] = {
        {"0", 0, false},
        {"29", 29, false},
        {"30", 30, true},
        {"255", 255, true},
        {"256", -1, false},
        {"-1", -1, false},
        {"", -1, false},
        {"18.5", -1, false},
        {"Bf 109", -1, false},
        {" 18", -1, false},
    };
    for (const auto& c : cases) {
        if (c.code < 0) {
            EXPECT_THROW(catalogue.withText(file, *place, c.text), common::FieldValueError) << c.text;
            continue;
        }
        const Bytes changed = catalogue.withText(file, *place, c.text);
        Bytes expected = file;
        expected[place->offset] = static_cast<std::uint8_t>(c.code);
        EXPECT_EQ(changed, expected) << c.text;
        EXPECT_EQ(catalogue.outOfDomain(changed, *place).has_value(), c.warned) << c.text;
    }
}

TEST(SquadronFileCatalogue, RefusesAPlaceThatIsNoRecordsCode)
{
    const SquadronFileCatalogue catalogue;
    const Bytes file = demogen::buildSquadronFile({16, 17, 18}, 11);
    auto place = *catalogue.find(file, "record 3", "aircraft");
    const Bytes shorter(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(place.offset));
    EXPECT_THROW(catalogue.withText(shorter, place, "17"), common::FieldValueError);
    place.offset += 1; // inside the record, which is the game's own
    EXPECT_THROW(catalogue.text(file, place), common::FieldValueError);
}

} // namespace
} // namespace rosterly
