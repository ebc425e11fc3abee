// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>

#include <filesystem>

namespace vector::testing {

// Sets the process's current folder for one test and puts it back.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder) : saved_(QDir::currentPath())
    {
        QDir::setCurrent(QString::fromStdString(folder.string()));
    }
    ~CurrentFolder() { QDir::setCurrent(saved_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    QString saved_;
};

inline QString qpath(const std::filesystem::path& p)
{
    return QString::fromStdString(p.string());
}

} // namespace vector::testing
