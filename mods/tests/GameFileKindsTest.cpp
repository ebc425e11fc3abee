// SPDX-License-Identifier: GPL-3.0-or-later
#include "mods/core/GameFileKinds.h"
#include "mods/core/InstallationFiles.h"
#include "mods/testing/DemoGame.h"

#include "common/core/FieldValueError.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The demo installation's files that a catalogue knows, read once.
class DemoFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new common::TempDir;
        modstest::writeDemoGame(dir_->path(), true);
        files_ = new std::map<std::string, Bytes>;
        for (const auto& [key, name] : mods::listInstallationFiles(dir_->path()))
            if (mods::catalogueFor(name))
                (*files_)[name] = mods::readBytes(dir_->path() / name);
    }
    static void TearDownTestSuite()
    {
        delete files_;
        delete dir_;
    }
    static inline common::TempDir* dir_ = nullptr;
    static inline std::map<std::string, Bytes>* files_ = nullptr;
};

TEST_F(DemoFiles, EveryKindKnowsADemoFileAndItsFieldsLieApartInsideIt)
{
    std::set<const common::FileCatalogue*> seen;
    for (const auto& [name, bytes] : *files_) {
        const auto* catalogue = mods::catalogueFor(name);
        seen.insert(catalogue);
        const auto places = catalogue->fields(bytes);
        ASSERT_FALSE(places.empty()) << name;
        std::set<std::pair<std::string, std::string>> names;
        std::vector<bool> covered(bytes.size(), false);
        for (const auto& p : places) {
            EXPECT_TRUE(names.emplace(p.record, p.field).second)
                << name << ": " << p.record << " " << p.field << " twice";
            ASSERT_LE(p.offset + p.width, bytes.size()) << name << ": " << p.field;
            for (std::size_t i = p.offset; i < p.offset + p.width; ++i) {
                EXPECT_FALSE(covered[i]) << name << ": " << p.record << " " << p.field << " overlaps at " << i;
                covered[i] = true;
            }
        }
    }
    for (const auto* kind : mods::gameFileKinds())
        EXPECT_TRUE(seen.count(kind)) << kind->kind() << " knows no demo file";
}

// The text of every field reads back to the very bytes, and a changed
// byte of a field reads back through its text to that change alone.
// (A one-byte field's byte is flipped twice.)
TEST_F(DemoFiles, EveryFieldsTextReadsBackToItsBytesAndToNoOthers)
{
    for (const auto& [name, bytes] : *files_) {
        const auto* catalogue = mods::catalogueFor(name);
        std::size_t changed = 0;
        const auto places = catalogue->fields(bytes);
        for (const auto& p : places) {
            // Each trial copies the file: in a large archive, its first
            // and last records stand for the others.
            if (bytes.size() > 65536 && p.record != places.front().record && p.record != places.back().record)
                continue;
            const std::string text = catalogue->text(bytes, p);
            ASSERT_EQ(catalogue->withText(bytes, p, text), bytes) << name << ": " << p.record << " " << p.field;
            // Its first and last byte: a field read from the wrong end
            // or too short shows in one of them.
            for (const std::size_t i : {p.offset, p.offset + p.width - 1}) {
                Bytes flipped = bytes;
                flipped[i] ^= 0x01;
                const std::string other = catalogue->text(flipped, p);
                try {
                    EXPECT_EQ(catalogue->withText(bytes, p, other), flipped)
                        << name << ": " << p.record << " " << p.field << " = " << other;
                    ++changed;
                } catch (const common::FieldValueError&) {
                    // A value outside the field's range: refused, as it must be.
                }
            }
        }
        EXPECT_GT(changed, 0u) << name;
    }
}

TEST_F(DemoFiles, TheDemoHoldsNoValueOutsideItsDomain)
{
    for (const auto& [name, bytes] : *files_) {
        const auto* catalogue = mods::catalogueFor(name);
        for (const auto& p : catalogue->fields(bytes))
            EXPECT_EQ(catalogue->outOfDomain(bytes, p), std::nullopt) << name << ": " << p.record << " " << p.field;
    }
}

TEST(GameFileKinds, FilesAreKnownInAnyLetterCaseAndOthersNotAtAll)
{
    ASSERT_NE(mods::catalogueFor("P51D.FLT"), nullptr);
    EXPECT_EQ(mods::catalogueFor("p51d.flt"), mods::catalogueFor("P51D.FLT"));
    EXPECT_EQ(mods::catalogueFor("Planes.Dat")->kind(), "gun table");
    ASSERT_NE(mods::catalogueFor("Loadout.DAT"), nullptr);
    EXPECT_EQ(mods::catalogueFor("Loadout.DAT")->kind(), "loadout");
    // Ordnix's numbered copies are not what the game reads.
    EXPECT_EQ(mods::catalogueFor("Loadout.001"), nullptr);
    const std::pair<const char*, const char*> kinds[] = {{"SQUS0001.DAT", "squadron"}, {"sqfr0002.dat", "squadron"},
        {"Airfield.DAT", "airfield"}, {"PICPLNG.MNU", "menu"}, {"hangarUK.mnu", "menu"}};
    for (const auto& [name, kind] : kinds) {
        ASSERT_NE(mods::catalogueFor(name), nullptr) << name;
        EXPECT_EQ(mods::catalogueFor(name)->kind(), kind) << name;
    }
    // The master copy Sortiekit makes airfield.dat from, and a menu of no screen.
    EXPECT_EQ(mods::catalogueFor("airfield.bak"), nullptr);
    EXPECT_EQ(mods::catalogueFor("picplnx.mnu"), nullptr);
    EXPECT_EQ(mods::catalogueFor("Nimbar/Summer44/P51D.FLT"), nullptr);
    EXPECT_EQ(mods::catalogueFor("P51D.FLT.bak"), nullptr);
    EXPECT_EQ(mods::catalogueFor("readme.txt"), nullptr);
}

} // namespace

namespace {

// Every kind, read or written through a place its bytes end before (the
// last field of a file cut short before it): refused, never past the end.
TEST_F(DemoFiles, APlaceBeyondTheBytesIsRefusedNotWrittenPastTheirEnd)
{
    for (const auto& [name, bytes] : *files_) {
        const auto* catalogue = mods::catalogueFor(name);
        const auto last = catalogue->fields(bytes).back();
        const std::string text = catalogue->text(bytes, last);
        const Bytes shorter(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(last.offset));
        EXPECT_THROW(catalogue->withText(shorter, last, text), common::FieldValueError) << name;
        EXPECT_THROW((void)catalogue->text(shorter, last), common::FieldValueError) << name;
    }
}

} // namespace
