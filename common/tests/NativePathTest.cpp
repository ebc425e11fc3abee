// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ui/NativePath.h"

#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace common {
namespace {

#ifndef _WIN32
// Names as bytes: each must come back from its QString form unchanged.
TEST(NativePath, EveryNameComesBackAsTheSameBytes)
{
    const std::string names[] = {
        "plain.dat",
        "K\xc3\xa4"
        "fer/\xe6\x88\xa6\xe9\x97\x98", // UTF-8, two and three bytes
        "\xf0\x9f\x9b\xa9 hangar",      // outside the BMP: a surrogate pair in the QString
        "g\xff",                        // Latin-1 from an old Windows folder
        "\xe4\xf6\xfc.FLT",             // three stray bytes in a row
        "\xc3",                         // a sequence cut short at the end
        "\xe2\x82",                     // the same, two of three
        "\xc0\xaf",                     // an overlong slash
        "\xed\xb2\x80",                 // a surrogate written as UTF-8
        "a\xed\xb2\x80\xff"
        "b", // the same beside a stray byte
    };
    for (const std::string& bytes : names) {
        const QString text = pathText(std::filesystem::path(bytes));
        EXPECT_EQ(nativePath(text).native(), bytes) << text.toStdString();
    }
}

TEST(NativePath, ValidNamesReadAsTheirTextAndStrayBytesAsEscapes)
{
    EXPECT_EQ(pathText(std::filesystem::path("K\xc3\xa4"
                                             "fer")),
        QString::fromUtf8("K\xc3\xa4"
                          "fer"));
    const QString escaped = pathText(std::filesystem::path("g\xff"));
    ASSERT_EQ(escaped.size(), 2);
    EXPECT_EQ(escaped.at(1).unicode(), 0xDCFF);
    // A surrogate that no name gave (typed, say) is no byte of a name.
    EXPECT_EQ(nativePath(QString(QChar(0xD800))).native(), "\xef\xbf\xbd");
}

// What the windows hand the file layer opens the file that is there.
TEST(NativePath, AFileInAFolderThatIsNotUtf8IsReadThroughItsText)
{
    const TempDir dir;
    const std::filesystem::path folder = dir / "gam\xff";
    std::filesystem::create_directories(folder);
    writeAllText(folder / "planes.txt", "P-51D\r\n");
    const QString shown = pathText(folder) + QStringLiteral("/planes.txt");
    EXPECT_EQ(readAllText(nativePath(shown)), "P-51D\r\n");
}
#endif

} // namespace
} // namespace common
