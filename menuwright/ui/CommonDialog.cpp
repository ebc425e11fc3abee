// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommonDialog.h"

#include "common/ui/Dialogs.h"
#include "common/ui/RememberedFolder.h"

#include <QDir>
#include <QFileInfo>

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
const QString kProgram = QStringLiteral("Menuwright");
const QString kDialog = QStringLiteral("CD1");

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
        common::rememberFolder(kProgram, kDialog, common::folderOf(*chosen));
    }
    return chosen;
}

common::FileDialogRequest CommonDialog::request() const
{
    common::FileDialogRequest request{dialogTitle, qtFilter(filter), {}, fileName, {}};
    common::startIn(request, kProgram, kDialog, initDir);
    return request;
}

std::optional<QString> CommonDialog::showOpen(QWidget* parent)
{
    return remember(common::dialogs().openFile(parent, request()));
}

std::optional<QString> CommonDialog::showSave(QWidget* parent)
{
    return remember(common::dialogs().saveFile(parent, request()));
}

} // namespace menuwright
