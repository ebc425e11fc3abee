// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ui/BackupNotice.h"
#include "common/ui/Translations.h"

#include "common/core/AtomicWrite.h"
#include "common/core/RunBackups.h"
#include "common/testing/TempDir.h"

#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

namespace common {
namespace {

// A catalogue for the system language is found and used; none for another.
TEST(Translations, TheSystemLanguagesCatalogueIsUsed)
{
    TempDir dir;
    writeAllText(dir / "a.txt", "old");
    RunBackups::start("Test", dir.path());
    writeFileAtomically(dir / "a.txt", std::string_view("new"));

    QLocale::setDefault(QLocale(QLocale::French));
    EXPECT_FALSE(installTranslations(QStringLiteral(TEST_TRANSLATIONS)));
    EXPECT_TRUE(backupNotice().startsWith("Originals backed up in "));
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_TRUE(installTranslations(QStringLiteral(TEST_TRANSLATIONS)));
    EXPECT_TRUE(backupNotice().startsWith("Originale gesichert in ")) << backupNotice().toStdString();
    QLocale::setDefault(QLocale::c());
    RunBackups::stop();
}

// The build's template holds the texts of the windows and of common/ui.
TEST(Translations, TheTemplateHoldsEveryProgramsTexts)
{
    QFile file(QStringLiteral(TRANSLATION_TEMPLATE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ts = file.readAll();
    for (const char* text : {"Originals backed up in %1", "Wrote %1."})
        EXPECT_TRUE(ts.contains(text)) << text;
}

} // namespace
} // namespace common
