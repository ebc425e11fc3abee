#include "RememberedFolder.h"

#include <QFileInfo>
#include <QSettings>

namespace common {

namespace {

const QString kOrganisation = QStringLiteral("Vantor modding tools");

// INI format on every platform, so that tests can point it at a folder of
// their own with QSettings::setPath.
QSettings settingsOf(const QString& program)
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, kOrganisation, program);
}

QString key(const QString& dialog)
{
    return QStringLiteral("Folders/") + dialog;
}

} // namespace

QString rememberedFolder(const QString& program, const QString& dialog, const QString& fallback)
{
    const QString folder = settingsOf(program).value(key(dialog)).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return fallback;
    return folder;
}

void rememberFolder(const QString& program, const QString& dialog, const QString& folder)
{
    if (folder.isEmpty())
        return;
    QSettings settings = settingsOf(program);
    settings.setValue(key(dialog), folder);
}

QString folderOf(const QString& filePath)
{
    return QFileInfo(filePath).absolutePath();
}

} // namespace common
