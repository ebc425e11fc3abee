// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/Settings.h"

#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace wingsmith {
namespace {

TEST(Settings, MissingFileOrKeyGivesTheFallback)
{
    common::TempDir dir;
    Settings settings(dir / "Wingsmith.ini");
    EXPECT_EQ(settings.resourcePath(), "");
    common::writeAllText(dir / "Wingsmith.ini", "[Other]\r\nResourcepath=/wrong\r\n");
    EXPECT_EQ(settings.resourcePath(), "");
}

TEST(Settings, ReadsAsAProfileFileDoes)
{
    common::TempDir dir;
    common::writeAllText(dir / "Wingsmith.ini", "; note\r\n[paths]\r\n  RESOURCEPATH =  /games/Vantor  \r\n");
    EXPECT_EQ(Settings(dir / "Wingsmith.ini").resourcePath(), "/games/Vantor");
}

TEST(Settings, WritingKeepsEveryOtherLine)
{
    common::TempDir dir;
    common::writeAllText(dir / "Wingsmith.ini", "[Window]\r\nLeft=10\r\n\r\n[Paths]\r\nResourcepath=/old\r\nOther=1\r\n");
    Settings settings(dir / "Wingsmith.ini");
    settings.setResourcePath("/new path");
    EXPECT_EQ(common::readAllText(dir / "Wingsmith.ini"),
        "[Window]\r\nLeft=10\r\n\r\n[Paths]\r\nResourcepath=/new path\r\nOther=1\r\n");
}

TEST(Settings, FirstWriteCreatesTheFileAndItsFolder)
{
    common::TempDir dir;
    Settings settings(dir / "config" / "Wingsmith.ini");
    settings.setResourcePath("/games/Vantor");
    EXPECT_EQ(common::readAllText(dir / "config" / "Wingsmith.ini"), "[Paths]\r\nResourcepath=/games/Vantor\r\n");
    EXPECT_EQ(settings.resourcePath(), "/games/Vantor");
}

#ifndef _WIN32 // XDG folders
TEST(Settings, LivesInTheUsersConfigFolder)
{
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(Settings::defaultLocation(), std::filesystem::path("/tmp/cfg/Wingsmith.ini"));
    setenv("XDG_CONFIG_HOME", "", 1);
    const char* home = std::getenv("HOME");
    EXPECT_EQ(Settings::defaultLocation(), std::filesystem::path(home ? home : ".") / ".config" / "Wingsmith.ini");
    if (old)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}
#endif

} // namespace
} // namespace wingsmith
