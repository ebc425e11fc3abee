// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/FileLookup.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

namespace common {
namespace {

namespace fs = std::filesystem;

TEST(FileLookup, FindsGameFilesWhateverTheirCase)
{
    TempDir dir;
    writeAllText(dir / "FLT.CDF", "x");
    fs::create_directory(dir / "Nimbar");
    writeAllText(dir / "Nimbar" / "PlanesLoaded.TXT", "y");

    EXPECT_EQ(findNoCase(dir.path(), "flt.cdf"), dir / "FLT.CDF");
    EXPECT_EQ(findNoCase(dir.path(), "nimbar\\planesloaded.txt"), dir.path() / "Nimbar" / "PlanesLoaded.TXT");
    EXPECT_EQ(findNoCase(dir.path(), "data.cdf"), std::nullopt);
}

TEST(FileLookup, PrefersTheExactSpelling)
{
    TempDir dir;
    writeAllText(dir / "planes.dat", "lower");
    writeAllText(dir / "PLANES.DAT", "upper");
    if (readAllText(dir / "planes.dat") == "upper")
        GTEST_SKIP() << "this file system holds one spelling of a name only";
    EXPECT_EQ(findNoCase(dir.path(), "PLANES.DAT"), dir / "PLANES.DAT");
    EXPECT_EQ(findNoCase(dir.path(), "planes.dat"), dir / "planes.dat");
}

TEST(FileLookup, MissingFileTakesTheGivenSpellingInsideExistingFolders)
{
    TempDir dir;
    fs::create_directory(dir / "DATA");
    EXPECT_EQ(resolveNoCase(dir.path(), "data\\new.TXT"), dir.path() / "DATA" / "new.TXT");
    EXPECT_EQ(resolveNoCase(dir.path(), "planes.dat"), dir / "planes.dat");
}

} // namespace
} // namespace common
