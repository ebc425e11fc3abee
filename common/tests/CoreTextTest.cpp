#include "common/ui/CoreText.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace common
