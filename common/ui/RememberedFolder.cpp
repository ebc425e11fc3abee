// SPDX-License-Identifier: GPL-3.0-or-later
#include "RememberedFolder.h"

#include "Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSettings>

namespace common {

namespace {

const QString kOrganisation = QStringLiteral("Vantor modding tools");

// INI format on every platform, so that tests can point it at a folder of
// their own with QSettings::setPath.
QSettings settingsOf(const QString& program)
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, kOrganisation, program);
}

QString key(const QString& dialog)
{
    return QStringLiteral("Folders/") + dialog;
}

// The folders chosen in this run, by settings file and dialog: a test's own
// settings start with none.
QHash<QString, QString>& chosenThisRun()
{
    static QHash<QString, QString> chosen;
    return chosen;
}

QString runKey(const QString& program, const QString& dialog)
{
    return settingsOf(program).fileName() + QLatin1Char('\n') + dialog;
}

bool holdsMatch(const QString& folder, const QStringList& patterns)
{
    if (patterns.isEmpty())
        return false;
    // Without QDir::CaseSensitive: game files keep their Windows spelling.
    return !QDir(folder).entryList(patterns, QDir::Files).isEmpty();
}

} // namespace

QString rememberedFolder(const QString& program, const QString& dialog, const QString& fallback)
{
    const QString folder = settingsOf(program).value(key(dialog)).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return fallback;
    return folder;
}

void rememberFolder(const QString& program, const QString& dialog, const QString& folder)
{
    if (folder.isEmpty())
        return;
    QSettings settings = settingsOf(program);
    settings.setValue(key(dialog), folder);
    chosenThisRun().insert(runKey(program, dialog), folder);
}

QStringList rememberedFolders(const QString& program, const QString& list)
{
    QStringList folders;
    for (const QString& folder : settingsOf(program).value(QStringLiteral("FolderLists/") + list).toStringList())
        if (!folder.isEmpty() && QFileInfo(folder).isDir() && !folders.contains(folder))
            folders << folder;
    return folders;
}

void rememberFolders(const QString& program, const QString& list, const QStringList& folders)
{
    QSettings settings = settingsOf(program);
    settings.setValue(QStringLiteral("FolderLists/") + list, folders);
}

StartFolder startFolder(
    const QString& program, const QString& dialog, const QString& current, const QStringList& patterns)
{
    const QString earlier = rememberedFolder(program, dialog, QString());
    const QString thisRun = chosenThisRun().value(runKey(program, dialog));
    QString start;
    if (!thisRun.isEmpty() && QFileInfo(thisRun).isDir())
        start = thisRun;
    else if (holdsMatch(current, patterns) || isGameFolder(current) || earlier.isEmpty())
        start = current;
    else
        start = earlier;
    StartFolder result{start, {}};
    for (const QString& other : {current, earlier})
        if (!other.isEmpty() && QDir(other) != QDir(start) && !result.history.contains(other))
            result.history << other;
    return result;
}

QStringList filterPatterns(const QString& filter)
{
    // The first filter names the dialog's kind; "All files (*)" after it
    // says nothing of where such files are.
    const QString first = filter.section(QStringLiteral(";;"), 0, 0);
    static const QRegularExpression inParentheses(QStringLiteral("\\(([^)]*)\\)"));
    const QRegularExpressionMatch match = inParentheses.match(first);
    return (match.hasMatch() ? match.captured(1) : first).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

void startIn(FileDialogRequest& request, const QString& program, const QString& dialog, const QString& current)
{
    StartFolder start = startFolder(program, dialog, current, filterPatterns(request.filter));
    request.directory = start.folder;
    request.history = start.history;
}

bool isGameFolder(const QString& folder)
{
    return !folder.isEmpty() && holdsMatch(folder, {QStringLiteral("FLT.CDF"), QStringLiteral("DATA.CDF")});
}

QString folderOf(const QString& filePath)
{
    return QFileInfo(filePath).absolutePath();
}

} // namespace common
