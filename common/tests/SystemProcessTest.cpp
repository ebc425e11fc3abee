// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/SystemCalls.h"

#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

namespace common {
namespace {

namespace fs = std::filesystem;

struct QuotingCase {
    std::vector<std::string> arguments;
    std::string line;
};

class CommandLine : public ::testing::TestWithParam<QuotingCase> {};

TEST_P(CommandLine, SplitsBackIntoTheSameArguments)
{
    const QuotingCase& c = GetParam();
    EXPECT_EQ(sys::windowsCommandLine(c.arguments), c.line);
#ifdef _WIN32
    // The system's own splitting, as every C runtime start-up does it.
    const int n = MultiByteToWideChar(CP_UTF8, 0, c.line.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, c.line.c_str(), -1, wide.data(), n);
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(wide.c_str(), &count);
    ASSERT_NE(split, nullptr);
    std::vector<std::string> back;
    for (int i = 0; i < count; ++i) {
        const int m = WideCharToMultiByte(CP_UTF8, 0, split[i], -1, nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<std::size_t>(m), '\0');
        WideCharToMultiByte(CP_UTF8, 0, split[i], -1, text.data(), m, nullptr, nullptr);
        text.resize(static_cast<std::size_t>(m - 1));
        back.push_back(text);
    }
    LocalFree(split);
    EXPECT_EQ(back, c.arguments);
#endif
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLine,
    ::testing::Values(
        QuotingCase{{"C:\\Windows\\cmd.exe", "/c", "del main2.pic"}, "C:\\Windows\\cmd.exe /c \"del main2.pic\""},
        QuotingCase{{"C:\\Program Files\\x.exe", ""}, "\"C:\\Program Files\\x.exe\" \"\""},
        QuotingCase{{"p", "copy pics.007 main2.pic\n"}, "p \"copy pics.007 main2.pic\n\""},
        QuotingCase{{"p", "a\\b\\", "c d\\", "e\\\\ f"}, "p a\\b\\ \"c d\\\\\" \"e\\\\ f\""},
        QuotingCase{{"p", "say \"hi\"", "\\\"", "tab\there"}, "p \"say \\\"hi\\\"\" \"\\\\\\\"\" \"tab\there\""},
        QuotingCase{{"p", "gr\xc3\xbc\xc3\x9f"}, "p gr\xc3\xbc\xc3\x9f"}));

// The exit status, a program that is not there, and the arguments as given.
TEST(RunAndWait, ReportsTheExitStatusOrThatNothingRan)
{
    TempDir dir;
#ifdef _WIN32
    const char* comspec = std::getenv("COMSPEC");
    ASSERT_NE(comspec, nullptr);
    const fs::path shell = comspec;
    const std::vector<std::string> exitThree{"/c", "exit 3"};
    // cmd.exe reads its command line by rules of its own: no quotes in it.
    const std::vector<std::string> writes{"/c", "echo one two>" + (dir / "out.txt").string()};
    const std::string written = "one two\r\n";
#else
    const fs::path shell = "/bin/sh";
    const std::vector<std::string> exitThree{"-c", "exit 3"};
    const std::vector<std::string> writes{
        "-c", "printf '[%s]' \"$@\" > '" + (dir / "out.txt").string() + "'", "sh", "one two", "", "a\"b\\"};
    const std::string written = "[one two][][a\"b\\]";
#endif
    EXPECT_EQ(sys::runAndWait(shell, exitThree), 3);
    EXPECT_EQ(sys::runAndWait(dir / "missing.exe", {}), -1);
    EXPECT_EQ(sys::runAndWait(shell, writes), 0);
    EXPECT_EQ(readAllText(dir / "out.txt"), written);
}

// The child of the test below: its last argument, read as the program reads
// its own (from the UTF-16 command line on Windows), must be the one the
// test passed in the environment.
constexpr const char* kExpectedArgument = "VANTOR_TEST_EXPECTED_ARGUMENT";

TEST(RunAndWait, ChildOfTheArgumentTest)
{
    const auto expected = sys::environmentVariable(kExpectedArgument);
    if (!expected || expected->empty())
        GTEST_SKIP() << "run as a child by RunAndWait.PassesArgumentsBeyondAsciiAsTheyAre";
    std::vector<std::string> argv = ::testing::internal::GetArgvs();
    std::vector<char*> pointers;
    for (std::string& a : argv)
        pointers.push_back(a.data());
    const auto arguments = sys::programArguments(static_cast<int>(pointers.size()), pointers.data());
    ASSERT_FALSE(arguments.empty());
    EXPECT_EQ(arguments.back(), *expected);
}

// Arguments go as UTF-8 and arrive so: on Windows a letter beyond the ANSI
// code page would otherwise turn into "?".
TEST(RunAndWait, PassesArgumentsBeyondAsciiAsTheyAre)
{
    const std::string argument = "gr\xc3\xbc\xc3\x9f \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x9b\xa9 \"q\"";
    sys::setEnvironmentVariable(kExpectedArgument, argument);
    const int status = sys::runAndWait(
        sys::runningProgram(), {"--gtest_filter=RunAndWait.ChildOfTheArgumentTest", "--gtest_brief=1", argument});
    sys::setEnvironmentVariable(kExpectedArgument, "");
    EXPECT_EQ(status, 0);
}

// A copy's status: its body returned, threw or was ended from outside; the
// caller's memory is not the copy's.
TEST(RunInCopy, ReportsHowTheCopyEnded)
{
#ifdef _WIN32
    EXPECT_EQ(sys::runInCopy([] {}), std::nullopt);
#else
    int seen = 0;
    EXPECT_EQ(sys::runInCopy([&] { seen = 1; }), 0);
    EXPECT_EQ(seen, 0);
    EXPECT_EQ(sys::runInCopy([] { throw std::runtime_error("stop"); }), 1);
    EXPECT_EQ(sys::runInCopy([] { std::_Exit(7); }), 7);
    EXPECT_EQ(sys::runInCopy([] { std::abort(); }), -1);
#endif
}

// Only a console is cleared: a stream into a file gets no control codes.
TEST(ClearTerminal, LeavesAFileAlone)
{
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(sys::clearTerminal(file));
    EXPECT_EQ(std::ftell(file), 0);
    std::fclose(file);
}

} // namespace
} // namespace common
