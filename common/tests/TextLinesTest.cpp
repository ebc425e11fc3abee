// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/TextLines.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#ifndef _WIN32
#include <sys/stat.h>
#endif
#include <thread>
#include <fstream>

namespace common {
namespace {

struct SplitCase {
    const char* text;
    std::vector<std::string> lines;
};

class SplitLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, Splits)
{
    EXPECT_EQ(splitTextLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Shapes, SplitLines,
    ::testing::Values(SplitCase{"", {}}, SplitCase{"a\r\nb\r\n", {"a", "b"}}, SplitCase{"a\r\nb", {"a", "b"}},
        SplitCase{"a\nb\n", {"a", "b"}}, SplitCase{"\r\n\r\n", {"", ""}}, SplitCase{"a\rb\r\n", {"a\rb"}},
        SplitCase{"x,\"y\"\r\n\r\nz", {"x,\"y\"", "", "z"}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(TextLines, WritesCrlfAndReadsBack)
{
    TempDir dir;
    const std::vector<std::string> lines{"first", "", "third \xE9"};
    writeTextLines(dir / "t.txt", lines);
    EXPECT_EQ(readAllText(dir / "t.txt"), "first\r\n\r\nthird \xE9\r\n");
    EXPECT_EQ(readTextLines(dir / "t.txt"), lines);
}

#ifndef _WIN32 // named pipes
// A pipe reports no size: what matters is what arrives, however it comes.
TEST(TextLines, ReadsAPipeToItsEnd)
{
    TempDir dir;
    const auto fifo = dir.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string sent;
    for (int i = 0; i < 20000; ++i)
        sent += "P-51D," + std::to_string(i) + "\r\n";
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << sent; });
    const std::string got = readFileBytes(fifo);
    writer.join();
    EXPECT_EQ(got.size(), sent.size());
    EXPECT_EQ(got, sent);
}
#endif

} // namespace
} // namespace common
