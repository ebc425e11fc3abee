#include "BackupNotice.h"

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
    const QString path = QFile::decodeName(folder->string().c_str());
    return QCoreApplication::translate("common", "Originals backed up in %1").arg(QDir::toNativeSeparators(path));
}

} // namespace common
