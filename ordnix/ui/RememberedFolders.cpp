#include "RememberedFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace ordnix {

namespace {

QSettings settings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, RememberedFolders::organisation(),
        RememberedFolders::application());
}

QString key(const QString& dialog)
{
    return QStringLiteral("folders/") + dialog;
}

} // namespace

const QString& RememberedFolders::organisation()
{
    static const QString name = QStringLiteral("Vantor modding tools");
    return name;
}

const QString& RememberedFolders::application()
{
    static const QString name = QStringLiteral("Ordnix");
    return name;
}

QString RememberedFolders::folder(const QString& dialog, const QString& fallback)
{
    const QString kept = settings().value(key(dialog)).toString();
    if (kept.isEmpty() || !QFileInfo(kept).isDir())
        return fallback;
    return kept;
}

void RememberedFolders::remember(const QString& dialog, const QString& chosenFile)
{
    const QString folder = QFileInfo(chosenFile).absolutePath();
    if (!folder.isEmpty())
        settings().setValue(key(dialog), QDir::toNativeSeparators(folder));
}

} // namespace ordnix
