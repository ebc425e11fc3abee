// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace common {

// The folder a program's file dialog was last left in, kept between runs in
// the user's settings of that program (organisation "Vantor modding tools").
// `dialog` names the dialog within the program. A folder that has gone
// since gives way to `fallback`.
QString rememberedFolder(const QString& program, const QString& dialog, const QString& fallback);
// Also marks the dialog as used in this run (see startFolder).
void rememberFolder(const QString& program, const QString& dialog, const QString& folder);

// A list of folders kept between runs, under the name `list`; those that
// have gone since are left out, the others keep their order.
QStringList rememberedFolders(const QString& program, const QString& list);
void rememberFolders(const QString& program, const QString& list, const QStringList& folders);

// Where a file dialog starts, and the other folders it offers in its history.
struct StartFolder {
    QString folder;
    QStringList history;
};

// Once the dialog was used in this run: where it was left. Before that: the
// folder the program was started in (`current`) when it holds a file
// matching one of `patterns` or is a game folder, since the programs work
// where they are started; otherwise the folder of an earlier run, where it
// still exists; otherwise `current`.
StartFolder startFolder(
    const QString& program, const QString& dialog, const QString& current, const QStringList& patterns);

// The name patterns of the first filter of a Qt filter text:
// "Models (*.3dz *.3DZ);;All (*)" gives "*.3dz" and "*.3DZ".
QStringList filterPatterns(const QString& filter);

struct FileDialogRequest;
// Sets the request's folder and history by startFolder, with the patterns
// of its filter.
void startIn(FileDialogRequest& request, const QString& program, const QString& dialog, const QString& current);

// Whether `folder` holds the game's archives.
bool isGameFolder(const QString& folder);

// The folder of a chosen file, to remember after the dialog.
QString folderOf(const QString& filePath);

} // namespace common
