// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <filesystem>

namespace common {

// A path between the file system and Qt's strings, without loss: on Linux a
// name is bytes, and those that are not UTF-8 travel in the QString as lone
// surrogates U+DC80..U+DCFF (as Python keeps them), so that a folder copied
// over from an old Windows code page opens as any other. Qt's own file
// calls cannot open such a name; ours, through the file layer, can.
QString pathText(const std::filesystem::path& path);
std::filesystem::path nativePath(const QString& text);

// The current folder as the file system names it, and a path made
// absolute against it.
QString currentFolderText();
QString absolutePathText(const QString& text);

} // namespace common
