// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ui/NativePath.h"

#include <QString>

#include <filesystem>

namespace menuwright {

// A path chosen in the window as the file system spells it.
inline std::filesystem::path localPath(const QString& path)
{
    return common::nativePath(path);
}

} // namespace menuwright
