// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackupNotice.h"
#include "common/ui/NativePath.h"

#include "Dialogs.h"
#include "common/core/RunBackups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace common {

QString backupNotice()
{
    const auto folder = RunBackups::lastFolder();
    if (!folder)
        return {};
    const QString path = pathText(*folder);
    return QCoreApplication::translate("common", "Originals backed up in %1").arg(QDir::toNativeSeparators(path));
}

int backupCount()
{
    return RunBackups::count();
}

void reportNewBackup(QWidget* parent, const QString& title, int countBefore)
{
    if (RunBackups::count() > countBefore)
        dialogs().message(parent, title, backupNotice() + QStringLiteral("."), MessageIcon::Information);
}

QString withNewBackupNotice(const QString& text, int countBefore)
{
    return RunBackups::count() > countBefore ? withBackupNotice(text) : text;
}

QString withBackupNotice(const QString& text)
{
    const QString notice = backupNotice();
    return notice.isEmpty() ? text : text + QStringLiteral(" ") + notice + QStringLiteral(".");
}

} // namespace common
