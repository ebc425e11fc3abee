// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoGame.h"

#include "ui/AircraftSetDocument.h"

#include "wingsmith/tests/AircraftFields.h"

#include <QSignalSpy>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace wingsmith {
namespace {

using test::floatOf;
using testing::DemoGame;

class AircraftSetDocumentTest : public ::testing::Test {
protected:
    DemoGame game;
    AircraftSetDocument document;

    void SetUp() override
    {
        ASSERT_TRUE(document.startUp(game.path()).completed);
        document.show(0);
    }

    const AircraftValues& working(int p) const { return document.workspace().working[static_cast<std::size_t>(p)]; }

    void setAltitude(float value, int control = 0)
    {
        document.edit(control, {"engineBestAltitude"},
            [&](AircraftValues& v) { test::setFloat(v, "engineBestAltitude", value); });
    }
};

TEST_F(AircraftSetDocumentTest, AnEditIsOneStepThatRedoMakesAgain)
{
    const float before = floatOf(working(0), "engineBestAltitude");
    QSignalSpy changed(&document, &AircraftSetDocument::aircraftChanged);
    setAltitude(before + 100);
    EXPECT_EQ(floatOf(working(0), "engineBestAltitude"), before + 100);
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.undoStack()->count(), 1);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toInt(), 0);
    EXPECT_EQ(changed[0][1].toStringList(), QStringList{"engineBestAltitude"});

    document.undo();
    EXPECT_EQ(floatOf(working(0), "engineBestAltitude"), before);
    EXPECT_FALSE(document.isModified());
    document.redo();
    EXPECT_EQ(floatOf(working(0), "engineBestAltitude"), before + 100);
    // Undo and redo may change anything: no field is named.
    EXPECT_EQ(changed.last()[1].toStringList(), QStringList{});
}

TEST_F(AircraftSetDocumentTest, StoringTheSameValueIsNoStepAndOneFieldsKeystrokesMerge)
{
    const float before = floatOf(working(0), "engineBestAltitude");
    setAltitude(before);
    EXPECT_EQ(document.undoStack()->count(), 0);

    setAltitude(1, 2);
    setAltitude(12, 2);
    setAltitude(123, 2);
    EXPECT_EQ(document.undoStack()->count(), 1);
    document.undo();
    EXPECT_EQ(floatOf(working(0), "engineBestAltitude"), before);

    // Typed back to where it started: no step is left.
    setAltitude(1, 3);
    setAltitude(before, 3);
    EXPECT_FALSE(document.undoStack()->canUndo());
}

TEST_F(AircraftSetDocumentTest, UndoingAStepOfAnotherAircraftShowsThatAircraft)
{
    setAltitude(777);
    document.show(4);
    QSignalSpy shown(&document, &AircraftSetDocument::shownChanged);
    document.undo();
    EXPECT_EQ(document.shownPosition(), 0);
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown[0][0].toInt(), 0);
    EXPECT_EQ(document.workspace().currentFltName, std::string(rosterByPosition(0).fltName));
}

TEST_F(AircraftSetDocumentTest, WithNothingShownAnEditGoesNowhere)
{
    document.show(-1);
    const AircraftSet before = document.workspace().working;
    setAltitude(5);
    EXPECT_EQ(document.undoStack()->count(), 0);
    for (int p = 0; p < kAircraftCount; ++p)
        EXPECT_EQ(floatOf(working(p), "engineBestAltitude"),
            floatOf(before[static_cast<std::size_t>(p)], "engineBestAltitude"));
}

TEST_F(AircraftSetDocumentTest, ASaveWritesTheChangedFileAndLeavesNothingModified)
{
    setAltitude(4321);
    document.updateModified();
    const std::vector<std::string> expected{std::string(rosterByPosition(0).fltName)};
    EXPECT_EQ(document.filesToSave(), expected);
    document.save(game.path());
    EXPECT_FALSE(document.isModified());
    EXPECT_TRUE(document.undoStack()->isClean());

    AircraftSetDocument again;
    ASSERT_TRUE(again.startUp(game.path()).completed);
    EXPECT_EQ(floatOf(again.workspace().working[0], "engineBestAltitude"), 4321.0f);
}

TEST_F(AircraftSetDocumentTest, AFileChangedBehindItsBackIsNamedBeforeASave)
{
    const std::string name(rosterByPosition(0).fltName);
    setAltitude(99);
    document.updateModified();
    EXPECT_TRUE(document.filesChangedOnDisk(game.path()).empty());
    auto bytes = common::readAllBytes(game / name);
    bytes.push_back(0);
    common::writeAllBytes(game / name, bytes);
    EXPECT_EQ(document.filesChangedOnDisk(game.path()), std::vector<std::string>{name});
}

} // namespace
} // namespace wingsmith
