// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace common {

// "Originals backed up in Backups/NAME-YYYYMMDD-HHMMSS" after a change that
// made a backup in this run, else empty: windows add it to what they say
// after a save.
QString backupNotice();
// `text` followed by the notice, where there is one.
QString withBackupNotice(const QString& text);

// For windows with a status line: `text`, followed by the notice when the
// change made a backup (the run had made `countBefore` before it).
QString withNewBackupNotice(const QString& text, int countBefore);

// For windows without a status line: after a change, tells in a message
// where the originals went, if the change made a backup (the run had made
// `countBefore` before it). Once per file and run, as backups are.
int backupCount();
void reportNewBackup(QWidget* parent, const QString& title, int countBefore);

} // namespace common
