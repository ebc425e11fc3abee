// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutFixture.h"

#include "ordnix/core/LoadoutError.h"
#include "ordnix/core/LoadoutFile.h"

#include "tools/demogen/OrdnixDemo.h"

#include "common/core/IoError.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace ordnix {
namespace {

namespace fs = std::filesystem;
using common::readAllBytes;
using common::writeAllBytes;
using testing::blankLoadout;
using testing::recordOffset;

TEST(LoadFileTest, HoldsEveryByteAsPlainTextInBothColumns)
{
    common::TempDir dir;
    const auto bytes = demogen::buildDemoLoadout();
    writeAllBytes(dir / "loadout.dat", bytes);

    const LoadoutImage image = LoadFile(dir.path(), "");
    ASSERT_EQ(image.size(), bytes.size());
    for (std::size_t pos : {std::size_t{1}, std::size_t{5}, std::size_t{7924}, bytes.size()}) {
        EXPECT_EQ(image.loadedText(pos), std::to_string(bytes[pos - 1])) << pos;
        EXPECT_EQ(image.currentText(pos), std::to_string(bytes[pos - 1])) << pos;
        EXPECT_FALSE(image.isChanged(pos));
    }
    EXPECT_THROW(image.currentText(0), std::out_of_range);
    EXPECT_THROW(image.currentText(bytes.size() + 1), std::out_of_range);
}

// The loaded and current values of a file just read are one buffer, and a
// copy of an image shares it too, until something is written.
TEST(LoadFileTest, AnEditChangesOnlyTheCurrentValuesOfTheImageEdited)
{
    common::TempDir dir;
    const auto bytes = demogen::buildDemoLoadout();
    writeAllBytes(dir / "loadout.dat", bytes);
    const LoadoutImage image = LoadFile(dir.path(), "");
    LoadoutImage copy = image;
    copy.setCurrent(9, "77");
    copy.copyEntry(9, 10);

    const std::string before = std::to_string(bytes[8]);
    EXPECT_EQ(copy.loadedText(9), before);
    EXPECT_EQ(copy.currentText(10), "77");
    EXPECT_EQ(image.currentText(9), before);
    EXPECT_EQ(image.currentText(10), std::to_string(bytes[9]));
    EXPECT_FALSE(image.isChanged(9));
}

TEST(LoadFileTest, EmptyNameFindsLoadoutDatInAnySpelling)
{
    common::TempDir dir;
    writeAllBytes(dir / "LOADOUT.DAT", demogen::buildDemoLoadout());
    const LoadoutImage image = LoadFile(dir.path(), "");
    EXPECT_EQ(image.size(), demogen::kDemoLoadoutSize);
    EXPECT_EQ(image.shownName(), "loadout.dat");
}

TEST(LoadFileTest, ShowsTheNameAfterTheLastSeparator)
{
    EXPECT_EQ(LoadoutImage({}, "C:\\Games\\Vantor\\Loadout.003").shownName(), "Loadout.003");
    EXPECT_EQ(LoadoutImage({}, "/home/pilot/vantor/loadout.dat").shownName(), "loadout.dat");
    EXPECT_EQ(LoadoutImage({}, "loadout.dat").shownName(), "loadout.dat");
}

TEST(LoadFileTest, ReportsProgressInStepsEndingWithTheSize)
{
    common::TempDir dir;
    auto bytes = blankLoadout();
    bytes.resize(300000, 9);
    writeAllBytes(dir / "big.dat", bytes);

    std::vector<std::size_t> counts;
    LoadFile(dir.path(), (dir / "big.dat").string(), [&](std::size_t n) { counts.push_back(n); });
    ASSERT_GT(counts.size(), 1u);
    EXPECT_LT(counts.size(), 100u); // not once per byte
    EXPECT_TRUE(std::is_sorted(counts.begin(), counts.end()));
    EXPECT_EQ(counts.back(), bytes.size());
}

TEST(LoadFileTest, MissingFileIsAnIoError)
{
    common::TempDir dir;
    EXPECT_THROW(LoadFile(dir.path(), "nothing.dat"), common::IoError);
    try {
        LoadFile(dir.path(), "nothing.dat");
    } catch (const common::IoError& e) {
        EXPECT_EQ(e.path().filename(), "nothing.dat"); // the window names the file from it
    }
}

TEST(LoadFileTest, RefusesAFileShorterThanTheRecords)
{
    common::TempDir dir;
    auto bytes = blankLoadout();
    bytes.resize(7923);
    writeAllBytes(dir / "loadout.dat", bytes);
    try {
        LoadFile(dir.path(), "");
        FAIL() << "a short file was loaded";
    } catch (const LoadoutError& e) {
        EXPECT_NE(std::string(e.what()).find("7923"), std::string::npos) << e.what();
    }
    writeAllBytes(dir / "loadout.dat", {0});
    try {
        LoadFile(dir.path(), "");
        FAIL() << "a one-byte file was loaded";
    } catch (const LoadoutError& e) {
        EXPECT_NE(std::string(e.what()).find("holds 1 byte,"), std::string::npos) << e.what();
    }
}

TEST(LoadFileTest, NeedsTheOptionBlockOfEveryCodeUsed)
{
    common::TempDir dir;
    auto bytes = blankLoadout(5);
    bytes.resize(7986 + 60 * 5); // exactly up to option 6 of code 5's last mission
    writeAllBytes(dir / "loadout.dat", bytes);
    EXPECT_NO_THROW(LoadFile(dir.path(), ""));

    bytes[recordOffset(10)] = 6;
    writeAllBytes(dir / "loadout.dat", bytes);
    try {
        LoadFile(dir.path(), "");
        FAIL() << "a record without option block was loaded";
    } catch (const LoadoutError& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find("record 11"), std::string::npos) << text;
        EXPECT_NE(text.find("code 6"), std::string::npos) << text;
    }
}

TEST(SaveImageTest, ReplacingAnUneditedFileGivesTheSameBytes)
{
    common::TempDir dir;
    const auto bytes = demogen::buildDemoLoadout();
    writeAllBytes(dir / "loadout.dat", bytes);
    const LoadoutImage image = LoadFile(dir.path(), "");

    const fs::path saved = SaveImage(image, dir.path(), true);
    EXPECT_EQ(saved.filename(), "loadout.dat"); // the existing spelling, not a second file
    EXPECT_EQ(readAllBytes(dir / "loadout.dat"), bytes);
    EXPECT_EQ(ListLoadoutFiles(dir.path()), std::vector<std::string>{"loadout.dat"});
}

TEST(SaveImageTest, NumberedCopiesCountTheLoadoutFiles)
{
    common::TempDir dir;
    const auto bytes = demogen::buildDemoLoadout();
    writeAllBytes(dir / "loadout.dat", bytes);
    LoadoutImage image = LoadFile(dir.path(), "");
    image.setCurrent(100, "77");

    EXPECT_EQ(SaveImage(image, dir.path(), false).filename(), "Loadout.001");
    EXPECT_EQ(SaveImage(image, dir.path(), false).filename(), "Loadout.002");
    auto expected = bytes;
    expected[99] = 77;
    EXPECT_EQ(readAllBytes(dir / "Loadout.001"), expected);
    EXPECT_EQ(readAllBytes(dir / "Loadout.002"), expected);
    EXPECT_EQ(readAllBytes(dir / "loadout.dat"), bytes);
}

TEST(SaveImageTest, NeverOverwritesATakenNumber)
{
    common::TempDir dir;
    writeAllBytes(dir / "LOADOUT.DAT", demogen::buildDemoLoadout());
    writeAllBytes(dir / "loadout.002", {1, 2, 3});
    writeAllBytes(dir / "other.dat", {4});
    const LoadoutImage image = LoadFile(dir.path(), "");

    // Two loadout files make the number 2, which is taken in another spelling.
    EXPECT_EQ(SaveFileName(dir.path(), false).filename(), "Loadout.003");
    SaveImage(image, dir.path(), false);
    EXPECT_EQ(readAllBytes(dir / "loadout.002"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(ListLoadoutFiles(dir.path()), (std::vector<std::string>{"LOADOUT.DAT", "Loadout.003", "loadout.002"}));
}

TEST(SaveImageTest, NumberHasThreeDigits)
{
    common::TempDir dir;
    for (int n = 0; n < 12; ++n)
        writeAllBytes(dir / ("loadout.x" + std::to_string(n)), {0});
    EXPECT_EQ(SaveFileName(dir.path(), false).filename(), "Loadout.012");
}

TEST(SaveImageTest, RoundsHalvesToEven)
{
    common::TempDir dir;
    writeAllBytes(dir / "loadout.dat", blankLoadout());
    LoadoutImage image = LoadFile(dir.path(), "");
    image.setCurrent(9, "3.5");
    image.setCurrent(10, "2.5");
    image.setCurrent(11, " 12");
    image.setCurrent(12, "03");
    SaveImage(image, dir.path(), true);
    const auto saved = readAllBytes(dir / "loadout.dat");
    EXPECT_EQ(saved[8], 4);
    EXPECT_EQ(saved[9], 2);
    EXPECT_EQ(saved[10], 12);
    EXPECT_EQ(saved[11], 3);
}

TEST(SaveImageTest, RefusesTheWholeSaveOnAValueThatIsNoByte)
{
    common::TempDir dir;
    const auto bytes = blankLoadout();
    writeAllBytes(dir / "loadout.dat", bytes);
    LoadoutImage image = LoadFile(dir.path(), "");
    image.setCurrent(20, "4");
    image.setCurrent(300, "abc");
    image.setCurrent(400, "256");

    for (bool replace : {true, false}) {
        try {
            SaveImage(image, dir.path(), replace);
            FAIL() << "saved a value that is no byte";
        } catch (const LoadoutError& e) {
            const std::string text = e.what();
            EXPECT_NE(text.find("Position 300"), std::string::npos) << text;
            EXPECT_NE(text.find("\"abc\""), std::string::npos) << text;
        }
    }
    EXPECT_EQ(readAllBytes(dir / "loadout.dat"), bytes);
    EXPECT_EQ(ListLoadoutFiles(dir.path()), std::vector<std::string>{"loadout.dat"});
}

} // namespace
} // namespace ordnix
