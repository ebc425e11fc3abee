#include "TemporarySettings.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace common {

TemporarySettings::TemporarySettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QFile::decodeName(folder_.path().c_str()));
}

TemporarySettings::~TemporarySettings()
{
    // Back to the test-mode location, never the user's own.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

} // namespace common
