#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

namespace menuwright {

// A path chosen in the window as the file system spells it.
inline std::filesystem::path localPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace menuwright
