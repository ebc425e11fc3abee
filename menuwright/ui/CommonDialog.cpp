#include "CommonDialog.h"

#include "common/ui/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace menuwright {

namespace {

// "Text files|*.txt" as Qt writes it: "Text files (*.txt)".
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '))
                + QLatin1Char(')');
    return out.join(QStringLiteral(";;"));
}

// Where the dialog was last used, kept between runs in Menuwright's own
// settings.
const QString kFolderKey = QStringLiteral("Dialogs/CD1");

QSettings settings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vantor modding tools"),
        QStringLiteral("Menuwright"));
}

} // namespace

CommonDialog::CommonDialog(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("CD1"));
}

std::optional<QString> CommonDialog::remember(std::optional<QString> chosen)
{
    if (chosen && chosen->isEmpty())
        chosen.reset();
    if (chosen) {
        fileName = *chosen;
        settings().setValue(kFolderKey, QFileInfo(*chosen).absolutePath());
    }
    return chosen;
}

QString CommonDialog::startFolder() const
{
    // The last folder of an earlier run, while this run has used none yet.
    if (fileName.isEmpty()) {
        const QString remembered = settings().value(kFolderKey).toString();
        if (!remembered.isEmpty() && QDir(remembered).exists())
            return remembered;
    }
    return initDir;
}

std::optional<QString> CommonDialog::showOpen(QWidget* parent)
{
    return remember(common::dialogs().openFile(parent, {dialogTitle, qtFilter(filter), startFolder(), fileName}));
}

std::optional<QString> CommonDialog::showSave(QWidget* parent)
{
    return remember(common::dialogs().saveFile(parent, {dialogTitle, qtFilter(filter), startFolder(), fileName}));
}

} // namespace menuwright
