#include "CommonDialog.h"

#include "common/ui/Dialogs.h"

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

} // namespace

CommonDialog::CommonDialog(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("CD1"));
}

std::optional<QString> CommonDialog::remember(std::optional<QString> chosen)
{
    if (chosen && chosen->isEmpty())
        chosen.reset();
    if (chosen)
        fileName = *chosen;
    return chosen;
}

std::optional<QString> CommonDialog::showOpen(QWidget* parent)
{
    return remember(common::dialogs().openFile(parent, {dialogTitle, qtFilter(filter), initDir, fileName}));
}

std::optional<QString> CommonDialog::showSave(QWidget* parent)
{
    return remember(common::dialogs().saveFile(parent, {dialogTitle, qtFilter(filter), initDir, fileName}));
}

} // namespace menuwright
