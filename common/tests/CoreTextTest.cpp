// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ui/CoreText.h"

#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace common {
namespace {

// A game file's name list is Latin-1, a core's message UTF-8: the same
// letter arrives as different bytes and must show the same.
TEST(CoreText, GameFilesAreLatin1AndTheCoresSpeakUtf8)
{
    EXPECT_EQ(gameText("Messerschmitt Bf 109 \xC4"), QStringLiteral("Messerschmitt Bf 109 Ä"));
    EXPECT_EQ(coreText("Messerschmitt Bf 109 \xC3\x84"), QStringLiteral("Messerschmitt Bf 109 Ä"));
    EXPECT_EQ(gameText(std::string_view("a\0b", 3)).size(), 3);

    const IoError denied(IoFailure::AccessDenied, 0,
        "game/Gr\xC3\xBC\xC3\x9F"
        "e.FLT");
    EXPECT_EQ(failureText(denied), QStringLiteral("File access denied"));
    EXPECT_EQ(failureDescription(denied), QStringLiteral("Grüße.FLT: File access denied"));
}

struct FailureCase {
    const char* name;
    IoError failure;
    bool pathIsFolder;
    const char* text;        // failureText
    const char* description; // failureDescription
    const char* writing;     // writeFailureText("game/P51D.FLT", ...)
};

class FailureWording : public testing::TestWithParam<FailureCase> {};

// One wording for a file failure in every window: the fixed words, the
// system's where there are none, a refused backup's own sentence, and a
// folder in the place of a file said so in the description.
TEST_P(FailureWording, IsTheSameWhereverItIsShown)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "P51D.FLT");
    const FailureCase& c = GetParam();
    const IoError failure = c.pathIsFolder ? c.failure.about(dir / "P51D.FLT") : c.failure;
    EXPECT_EQ(failureText(failure), QString::fromUtf8(c.text));
    EXPECT_EQ(failureDescription(failure), QString::fromUtf8(c.description));
    EXPECT_EQ(failureMessage(failure), QString::fromUtf8(c.description));
    EXPECT_EQ(writeFailureText(QStringLiteral("game/P51D.FLT"), failure), QString::fromUtf8(c.writing));
    EXPECT_EQ(readFailureText(QStringLiteral("planes.txt"), failure),
        QStringLiteral("Cannot read planes.txt: ") + QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(Cases, FailureWording,
    testing::Values(FailureCase{"FixedWordingWithoutAFile", IoError(IoFailure::DiskFull), false, "Disk full",
                        "Disk full", "Cannot write game/P51D.FLT: Disk full"},
        FailureCase{"FixedWordingNamingTheFile", IoError(IoFailure::FileNotFound, 0, "game/P51D.FLT"), false,
            "File not found", "P51D.FLT: File not found", "Cannot write game/P51D.FLT: File not found"},
        FailureCase{"SystemWordsForANumber", IoError(IoFailure::Other, ENOTEMPTY, "game/P51D.FLT"), false,
            "Directory not empty", "P51D.FLT: Directory not empty", "Cannot write game/P51D.FLT: Directory not empty"},
        FailureCase{"AFolderInThePlaceOfTheFile", IoError(IoFailure::AccessDenied), true, "File access denied",
            "P51D.FLT: File access denied (it is a folder, not a file)",
            "Cannot write game/P51D.FLT: File access denied"},
        FailureCase{"ASentenceOfItsOwn",
            IoError(IoFailure::Other, ENOTEMPTY).withSentence("Could not back up P51D.FLT (Disk full)."), true,
            "Could not back up P51D.FLT (Disk full).", "Could not back up P51D.FLT (Disk full).",
            "Cannot write game/P51D.FLT: Could not back up P51D.FLT (Disk full)."}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

// Any other failure a core reports is shown in its own words.
TEST(FailureWording, OtherFailuresKeepTheirText)
{
    EXPECT_EQ(writeFailureText(QStringLiteral("out.txt"), std::runtime_error("Element 3 has no nodes")),
        QStringLiteral("Cannot write out.txt: Element 3 has no nodes"));
    EXPECT_EQ(failureMessage(std::runtime_error("Mod A: change 2 names no field")),
        QStringLiteral("Mod A: change 2 names no field"));
}

} // namespace
} // namespace common
