// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ui/RememberedFolder.h"

#include "common/testing/TempDir.h"
#include "common/testing/TemporarySettings.h"

#include <QDir>
#include <QSettings>

#include <gtest/gtest.h>

#include <filesystem>

namespace common {
namespace {

QString qpath(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

// What an earlier run of the program left in its settings.
void leftByAnEarlierRun(const QString& program, const QString& dialog, const std::filesystem::path& folder)
{
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Vantor modding tools", program)
        .setValue("Folders/" + dialog, qpath(folder));
}

TEST(StartFolder, TheFirstWindowOfARunPrefersTheFolderTheProgramWorksIn)
{
    enum class In { Current, Earlier };
    struct Case {
        const char* what;
        const char* currentFile; // a file in the current folder, or none
        bool earlierExists;      // the earlier run's folder is still there
        In expected;
    };
    const Case cases[] = {
        {"a model here", "m.3DZ", true, In::Current},
        {"a game folder", "FLT.CDF", true, In::Current},
        {"files of another kind only", "notes.txt", true, In::Earlier},
        {"an empty folder", nullptr, true, In::Earlier},
        {"nothing remembered", nullptr, false, In::Current},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TemporarySettings settings;
        const TempDir current;
        const TempDir earlier;
        if (c.currentFile)
            writeAllText(current / c.currentFile, "");
        writeAllText(earlier / "a.3dz", "");
        if (c.earlierExists)
            leftByAnEarlierRun("Prog", "Open", earlier.path());

        const StartFolder start = startFolder("Prog", "Open", qpath(current.path()), {"*.3dz"});
        const QString expected = c.expected == In::Current ? qpath(current.path()) : qpath(earlier.path());
        EXPECT_EQ(start.folder, expected);
        // The folder not started in is one step away in the dialog's history.
        if (c.earlierExists)
            EXPECT_EQ(
                start.history, QStringList{c.expected == In::Current ? qpath(earlier.path()) : qpath(current.path())});
        else
            EXPECT_TRUE(start.history.isEmpty());
    }
}

TEST(StartFolder, LaterWindowsOfTheRunStartWhereTheLastWasLeft)
{
    const TemporarySettings settings;
    const TempDir current;
    const TempDir chosen;
    writeAllText(current / "m.3dz", "");
    rememberFolder("Prog", "Open", qpath(chosen.path()));
    EXPECT_EQ(startFolder("Prog", "Open", qpath(current.path()), {"*.3dz"}).folder, qpath(chosen.path()));
    // Another dialog of the program has not been used yet.
    EXPECT_EQ(startFolder("Prog", "Save", qpath(current.path()), {"*.3dz"}).folder, qpath(current.path()));
}

TEST(StartFolder, FilterPatternsAreThoseOfTheFirstFilter)
{
    EXPECT_EQ(filterPatterns("Squad files (sq*.dat SQ*.DAT);;All files (*)"), (QStringList{"sq*.dat", "SQ*.DAT"}));
    EXPECT_EQ(filterPatterns("Text files (*.txt)"), QStringList{"*.txt"});
    EXPECT_EQ(filterPatterns("*.lox"), QStringList{"*.lox"});
}

} // namespace
} // namespace common
