// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/AtomicWrite.h"
#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/core/PathText.h"
#include "common/core/TextLines.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace common {
namespace {

namespace fs = std::filesystem;

struct NameCase {
    const char* label;
    std::u8string folder;
    std::u8string file;
    std::u8string otherCase; // the file's name in other ASCII letter case
};

void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << c.label;
}

std::string bytes(const std::u8string& text)
{
    return std::string(text.begin(), text.end());
}

class NonAsciiName : public ::testing::TestWithParam<NameCase> {};

// The helpers give the name the standard's UTF-8 path gives, and back.
TEST_P(NonAsciiName, CrossesToAPathAndBackExactly)
{
    const NameCase& c = GetParam();
    for (const std::u8string& name : {c.folder, c.file, c.folder + u8"/" + c.file}) {
        EXPECT_EQ(pathFromUtf8(bytes(name)).native(), fs::path(name).native());
        EXPECT_EQ(utf8FromPath(fs::path(name)), bytes(name));
    }
    EXPECT_EQ(genericUtf8FromPath(pathFromUtf8(bytes(c.folder)) / pathFromUtf8(bytes(c.file))),
        bytes(c.folder + u8"/" + c.file));
}

// A file in such a folder is written, read, listed and found in another
// letter case under its name on disk; a message names it as it is.
TEST_P(NonAsciiName, WritesReadsListsAndFindsAFileInTheFolder)
{
    const NameCase& c = GetParam();
    TempDir dir;
    const fs::path folder = dir.path() / pathFromUtf8(bytes(c.folder));
    fs::create_directory(folder);
    const fs::path file = folder / pathFromUtf8(bytes(c.file));
    writeFileAtomically(file, std::string_view("contents"));
    writeFileAtomically(file, std::string_view("contents, rewritten"));
    EXPECT_EQ(readFileBytes(file), "contents, rewritten");
    ASSERT_TRUE(fs::exists(dir.path() / fs::path(c.folder) / fs::path(c.file)));

    std::vector<std::string> listed;
    for (const auto& e : fs::directory_iterator(folder))
        listed.push_back(utf8FromPath(e.path().filename()));
    EXPECT_EQ(listed, std::vector<std::string>{bytes(c.file)});

    const auto found = findNoCase(dir.path(), bytes(c.folder + u8"\\" + c.otherCase));
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(utf8FromPath(*found), utf8FromPath(file));
    EXPECT_EQ(findNoCase(folder, bytes(c.otherCase)), file);

    try {
        (void)readFileBytes(folder / pathFromUtf8(bytes(c.otherCase + u8".missing")));
        ADD_FAILURE() << "a missing file was read";
    } catch (const IoError& e) {
        EXPECT_EQ(e.describe(), bytes(c.otherCase + u8".missing: File not found"));
    }
}

INSTANTIATE_TEST_SUITE_P(Names, NonAsciiName,
    ::testing::Values(NameCase{"German", u8"Spiele Flügel", u8"Größe Übung.flt", u8"GRößE ÜBUNG.FLT"},
        NameCase{"Japanese", u8"戦闘機", u8"設定ファイル.txt", u8"設定ファイル.TXT"},
        NameCase{"BeyondTheBmp", u8"🛩 Staffel", u8"😀 Plan.dat", u8"😀 PLAN.DAT"}),
    [](const auto& info) { return std::string(info.param.label); });

#ifdef _WIN32
// A name on disk may hold a lone surrogate: it comes back as the same name.
TEST(PathText, KeepsALoneSurrogateOfAWindowsName)
{
    const fs::path name(std::wstring{L'a', static_cast<wchar_t>(0xD800), L'b'});
    EXPECT_EQ(utf8FromPath(name),
        "a\xED\xA0\x80"
        "b");
    EXPECT_EQ(pathFromUtf8(utf8FromPath(name)).native(), name.native());
}
#endif

} // namespace
} // namespace common
