// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace common {

// The names in `folder` (a path as pathText gives it), sorted without
// regard to case: its subfolders, or its files that match one of
// `patterns` ("*.bmp", without regard to case; none: every file). Read
// through the file system's own names, so that a folder whose name is not
// UTF-8 lists as any other. Unreadable: nothing.
QStringList subfolderNames(const QString& folder, bool hidden = false);
QStringList fileNames(const QString& folder, const QStringList& patterns = {});

// A picture read through the file layer and told apart by its content;
// null with `error` set when it cannot be read or decoded.
QImage readPicture(const QString& path, QString* error);

} // namespace common
