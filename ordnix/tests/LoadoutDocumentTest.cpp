// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutFixture.h"

#include "ordnix/core/LoadoutError.h"
#include "ordnix/core/LoadoutLayout.h"
#include "ordnix/core/LoadoutRecord.h"
#include "ordnix/core/MissionOptions.h"
#include "ordnix/core/SlotFields.h"
#include "ordnix/ui/LoadoutDocument.h"

#include "tools/demogen/OrdnixDemo.h"

#include "common/core/IoError.h"
#include "common/testing/TempDir.h"

#include <QUndoStack>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace ordnix {
namespace {

namespace fs = std::filesystem;
using common::readAllBytes;
using common::writeAllBytes;
using testing::blankLoadout;
using testing::recordOffset;
using testing::setCodes;
using testing::setSlot;
using testing::slotOffset;

// Both value columns of every position, to compare whole images.
using Columns = std::vector<std::pair<std::string, std::string>>;

Columns columns(const LoadoutImage& image)
{
    Columns values;
    for (std::size_t p = 1; p <= image.size(); ++p)
        values.emplace_back(image.loadedText(p), image.currentText(p));
    return values;
}

// A file whose records all differ, so that any move shows; records 0-2 are
// of aircraft 0, 3-179 of aircraft 2.
std::vector<std::uint8_t> variedLoadout()
{
    auto bytes = blankLoadout();
    for (std::size_t i = 0; i < 180; ++i) {
        bytes[recordOffset(i)] = i < 3 ? 0 : 2;
        bytes[recordOffset(i, 2)] = 1;
        setSlot(bytes, i, 0, {static_cast<int>(i % 90), 1, 2, 3, static_cast<int>(i % 7), static_cast<int>(i % 11)});
    }
    return bytes;
}

// The slot editor filled from record i as it is.
SlotFields slotsOf(const LoadoutDocument& document, std::size_t i)
{
    return SlotFieldsFromRecord(ReadRecord(document.image(), i), 256, 256, 256);
}

class LoadoutDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeAllBytes(dir / "loadout.dat", original);
        QObject::connect(&document, &LoadoutDocument::changed, [this](const LoadoutChange& c) { told.push_back(c); });
        QObject::connect(&document, &LoadoutDocument::modifiedChanged, [this](bool m) { modified.push_back(m); });
        QObject::connect(
            &document, &LoadoutDocument::aboutToReplaceImage, [this] { replacedAfter.push_back(told.size()); });
        document.load("loadout.dat");
        told.clear();
        replacedAfter.clear();
    }

    const std::vector<std::uint8_t> original = variedLoadout();
    common::TempDir dir;
    LoadoutDocument document{dir.path()};
    std::vector<LoadoutChange> told;
    std::vector<bool> modified;
    // How many changes had been told when each image was about to be replaced.
    std::vector<std::size_t> replacedAfter;
};

// One edit each way the window makes one, with the fields it is expected
// to name.
struct EditCase {
    const char* name;
    std::function<bool(LoadoutDocument&)> edit;
    std::vector<LoadoutField> fields; // empty: only checked to be many
    int recordBefore;
    int recordAfter;
    int mission;
};

void PrintTo(const EditCase& c, std::ostream* os)
{
    *os << c.name;
}

const std::size_t kRecord4 = 5 + 44 * 4;
const std::size_t kCode2Interdiction = 7929 + 60 * 2 + 2 + 12 * 4 + 1;

const EditCase kEdits[] = {
    {"Slots",
        [](LoadoutDocument& d) {
            SlotFields fields = slotsOf(d, 4);
            fields.choices[0].weapon = 77;
            fields.choices[0].ifd = "04"; // another form of the 4 it holds: a change all the same
            return d.writeSlots(4, fields, "Four");
        },
        {{"record 4", "slot1.weapon", kRecord4 + 4}, {"record 4", "slot1.ifd", kRecord4 + 8}}, 4, 4, -1},
    {"Mission",
        [](LoadoutDocument& d) {
            MissionOptions edited = ReadMission(d.image(), OptionAnchor(2), 4);
            edited.count = " 2";
            edited.options[1] = "9.7";
            return d.storeMission(edited, 4, 5);
        },
        {{"options 2", "interdiction.count", kCode2Interdiction},
            {"options 2", "interdiction.option2", kCode2Interdiction + 2}},
        5, 5, 4},
    {"Insert", [](LoadoutDocument& d) { return d.insertRecordCopy(10); }, {}, 10, 11, -1},
    {"Delete", [](LoadoutDocument& d) { return d.deleteRecord(0); }, {}, 0, 0, -1},
};

class DocumentEditTest : public LoadoutDocumentTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(DocumentEditTest, UndoAndRedoPutBackExactlyWhatTheEditChanged)
{
    // A typed text in the image before the edit, which undo must keep as typed.
    ASSERT_TRUE(document.writeSlots(
        12,
        [&] {
            SlotFields fields = slotsOf(document, 12);
            fields.choices[0].dbf = "007";
            return fields;
        }(),
        "Twelve"));
    const Columns before = columns(document.image());
    told.clear();

    ASSERT_TRUE(GetParam().edit(document));
    const Columns after = columns(document.image());
    ASSERT_NE(after, before);
    EXPECT_EQ(document.undoStack()->count(), 2);

    document.undoStack()->undo();
    EXPECT_EQ(columns(document.image()), before);
    document.undoStack()->redo();
    EXPECT_EQ(columns(document.image()), after);
    document.undoStack()->undo();
    EXPECT_EQ(columns(document.image()), before);

    // Each step says where it was made and what it changed, the same fields each way.
    ASSERT_EQ(told.size(), 4u);
    const LoadoutChange::Source sources[] = {LoadoutChange::Source::Edit, LoadoutChange::Source::Undo,
        LoadoutChange::Source::Redo, LoadoutChange::Source::Undo};
    for (std::size_t n = 0; n < told.size(); ++n) {
        EXPECT_EQ(told[n].source, sources[n]) << n;
        EXPECT_EQ(told[n].fields, told[0].fields) << n;
        EXPECT_EQ(told[n].mission, GetParam().mission) << n;
        const bool undone = told[n].source == LoadoutChange::Source::Undo;
        EXPECT_EQ(told[n].record, undone ? GetParam().recordBefore : GetParam().recordAfter) << n;
    }
    if (!GetParam().fields.empty()) {
        EXPECT_EQ(told[0].fields, GetParam().fields);
    } else {
        EXPECT_TRUE(told[0].recordsMoved);
        EXPECT_GT(told[0].records.size(), 100u);
    }
}

INSTANTIATE_TEST_SUITE_P(Edits, DocumentEditTest, ::testing::ValuesIn(kEdits),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadoutDocumentTest, TheChangeNamesTheRecordAndFieldEdited)
{
    SlotFields fields = slotsOf(document, 7);
    fields.choices[0].rack = 5;
    ASSERT_TRUE(document.writeSlots(7, fields, "Seven"));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].records, std::vector<std::size_t>{7});
    const std::vector<LoadoutField> expected{{"record 7", "slot1.rack", 5 + 44 * 7 + 4 + 1}};
    EXPECT_EQ(told[0].fields, expected);
    EXPECT_FALSE(told[0].recordsMoved);
    EXPECT_EQ(document.undoStack()->undoText(), "OK on the slots of Seven");
}

// An edit that would change nothing, or is refused, makes no step: the
// steps that could be redone stay, and so does the saved state.
TEST_F(LoadoutDocumentTest, NoStepForAnEditThatChangesNothingOrIsRefused)
{
    SlotFields fields = slotsOf(document, 3);
    fields.choices[0].weapon = 50;
    ASSERT_TRUE(document.writeSlots(3, fields, "Three"));
    document.undoStack()->undo();
    told.clear();

    EXPECT_FALSE(document.writeSlots(3, slotsOf(document, 3), "Three"));
    EXPECT_FALSE(document.storeMission(ReadMission(document.image(), OptionAnchor(2), 1), 1, 3));
    EXPECT_THROW(document.insertRecordCopy(179), LoadoutError);
    MissionOptions beyond = ReadMission(document.image(), OptionAnchor(2), 1);
    beyond.optionPositions.back() = document.image().size() + 1;
    beyond.count = "4";
    EXPECT_THROW(document.storeMission(beyond, 1, 3), std::out_of_range);

    EXPECT_TRUE(told.empty());
    EXPECT_EQ(columns(document.image()), columns(LoadoutImage(original, "loadout.dat")));
    EXPECT_TRUE(document.undoStack()->canRedo());
    EXPECT_FALSE(document.isModified());
}

TEST_F(LoadoutDocumentTest, ModifiedFollowsTheHistoryToWhereItWasSaved)
{
    EXPECT_FALSE(document.isModified());
    SlotFields fields = slotsOf(document, 0);
    fields.choices[0].ifd = "5";
    ASSERT_TRUE(document.writeSlots(0, fields, "Zero"));
    EXPECT_TRUE(document.isModified());
    document.save(false);
    EXPECT_FALSE(document.isModified());

    ASSERT_TRUE(document.insertRecordCopy(0));
    EXPECT_TRUE(document.isModified());
    document.undoStack()->undo(); // back at what was saved
    EXPECT_FALSE(document.isModified());
    document.undoStack()->undo(); // before the save
    EXPECT_TRUE(document.isModified());
    document.undoStack()->redo();
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(modified, (std::vector<bool>{true, false, true, false, true, false}));

    // A new load starts a new history, unmodified.
    document.undoStack()->redo();
    document.load("loadout.dat");
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.undoStack()->count(), 0);
    EXPECT_EQ(modified.back(), false);
}

TEST_F(LoadoutDocumentTest, SaveWritesTheBytesExactlyAndClearsModified)
{
    // Unedited, replacing: the file as it was loaded.
    EXPECT_EQ(document.save(true), dir / "loadout.dat");
    EXPECT_EQ(readAllBytes(dir / "loadout.dat"), original);

    SlotFields fields = slotsOf(document, 20);
    fields.choices[0].dbf = "3.5"; // saved rounded to 4
    fields.choices[0].location = 9;
    ASSERT_TRUE(document.writeSlots(20, fields, "Twenty"));
    ASSERT_TRUE(document.isModified());
    const fs::path saved = document.save(false);
    EXPECT_EQ(saved, dir / "Loadout.001");
    EXPECT_EQ(document.savedFile(), saved);
    EXPECT_FALSE(document.isModified());

    auto expected = original;
    expected[slotOffset(20, 0, 6)] = 4;
    expected[slotOffset(20, 0, 3)] = 9;
    EXPECT_EQ(readAllBytes(saved), expected);
    EXPECT_EQ(readAllBytes(dir / "loadout.dat"), original);
    EXPECT_EQ(document.loadedFile(), dir / "loadout.dat"); // saving a copy loads nothing else
}

TEST_F(LoadoutDocumentTest, ASaveThatIsRefusedWritesNothingAndStaysModified)
{
    SlotFields fields = slotsOf(document, 1);
    fields.choices[0].ifd = "lots";
    ASSERT_TRUE(document.writeSlots(1, fields, "One"));
    EXPECT_THROW(document.save(true), LoadoutError);
    EXPECT_EQ(readAllBytes(dir / "loadout.dat"), original);
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.savedFile().empty());
}

// A file that is refused or cannot be read leaves the document as it was:
// its image with the edits, its file, its history and its modified state.
struct BadFile {
    const char* name;
    std::function<void(const fs::path& dir)> write;
    bool refused; // LoadoutError, else common::IoError
};

void PrintTo(const BadFile& c, std::ostream* os)
{
    *os << c.name;
}

class BadFileTest : public LoadoutDocumentTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFileTest, LeavesTheDocumentAsItWas)
{
    SlotFields fields = slotsOf(document, 2);
    fields.choices[0].weapon = 40;
    ASSERT_TRUE(document.writeSlots(2, fields, "Two"));
    document.save(false);
    fields.choices[0].weapon = 41;
    ASSERT_TRUE(document.writeSlots(2, fields, "Two"));
    const Columns before = columns(document.image());
    told.clear();
    modified.clear();

    GetParam().write(dir.path());
    if (GetParam().refused) {
        EXPECT_THROW(document.load("bad.dat"), LoadoutError);
    } else {
        EXPECT_THROW(document.load("bad.dat"), common::IoError);
    }
    EXPECT_EQ(columns(document.image()), before);
    EXPECT_EQ(document.loadedFile(), dir / "loadout.dat");
    EXPECT_EQ(document.savedFile(), dir / "Loadout.001");
    EXPECT_EQ(document.undoStack()->count(), 2);
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(told.empty());
    EXPECT_TRUE(modified.empty());
    EXPECT_TRUE(replacedAfter.empty());
    document.undoStack()->undo();
    EXPECT_FALSE(document.isModified());
}

INSTANTIATE_TEST_SUITE_P(Files, BadFileTest,
    ::testing::Values(BadFile{"TooShortForTheRecords",
                          [](const fs::path& dir) {
                              auto bytes = variedLoadout();
                              bytes.resize(7000);
                              writeAllBytes(dir / "bad.dat", bytes);
                          },
                          true},
        BadFile{"TooShortForAnAircraftsOptions",
            [](const fs::path& dir) {
                auto bytes = variedLoadout();
                setCodes(bytes, {40});
                writeAllBytes(dir / "bad.dat", bytes);
            },
            true},
        BadFile{"Missing", [](const fs::path&) {}, false},
        BadFile{"AFolder", [](const fs::path& dir) { fs::create_directory(dir / "bad.dat"); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadoutDocumentTest, ALoadTellsOfANewImage)
{
    auto other = variedLoadout();
    other[100] = 1;
    writeAllBytes(dir / "Loadout.007", other);
    document.load(dir / "Loadout.007");
    EXPECT_EQ(replacedAfter, std::vector<std::size_t>{0}); // before the new image is told
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].source, LoadoutChange::Source::Load);
    EXPECT_EQ(told[0].last, other.size());
    EXPECT_EQ(document.image().currentText(101), "1");
    EXPECT_EQ(document.loadedFile(), dir / "Loadout.007");
}

} // namespace
} // namespace ordnix
