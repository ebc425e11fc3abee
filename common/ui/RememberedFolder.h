#pragma once

#include <QString>

namespace common {

// The folder a program's file dialog was last left in, kept between runs in
// the user's settings of that program (organisation "Vantor modding tools").
// `dialog` names the dialog within the program. A folder that has gone
// since gives way to `fallback`.
QString rememberedFolder(const QString& program, const QString& dialog, const QString& fallback);
void rememberFolder(const QString& program, const QString& dialog, const QString& folder);

// The folder of a chosen file, to remember after the dialog.
QString folderOf(const QString& filePath);

} // namespace common
