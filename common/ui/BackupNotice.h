#pragma once

#include <QString>

namespace common {

// "Originals backed up in Backups/NAME-YYYYMMDD-HHMMSS" after a change that
// made a backup in this run, else empty: windows add it to what they say
// after a save.
QString backupNotice();

} // namespace common
