// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemporarySettings.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace common {

TemporarySettings::TemporarySettings()
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QFile::decodeName(folder_.path().c_str()));
}

TemporarySettings::~TemporarySettings()
{
    // Qt's own default for user settings.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

} // namespace common
