// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace common {

namespace {

// Owned by the application, so that it lives as long as the texts it gives.
bool install(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(), name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

bool installTranslations(const QString& folder)
{
    install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const QString ours = folder.isEmpty()
        ? QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/vantor-mod-tools/translations"))
        : folder;
    return install(QStringLiteral("vantor-mod-tools"), ours);
}

} // namespace common
