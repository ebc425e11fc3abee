// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementProgress.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QString>

namespace vector {

void startElementProgress(QProgressBar* bar, int count, const QString& unit)
{
    // The value is the index of the element done, so the empty bar stands
    // at -1; a bar whose ends meet would show a busy animation instead.
    bar->setRange(-1, count > 0 ? count - 1 : 0);
    bar->setValue(-1);
    bar->setFormat(QCoreApplication::translate("vector::ElementProgress", "0 of %1 %2").arg(count).arg(unit));
}

void showElementProgress(QProgressBar* bar, int index, int count, const QString& unit)
{
    bar->setValue(index);
    bar->setFormat(QCoreApplication::translate("vector::ElementProgress", "%1 of %2 %3").arg(index + 1).arg(count).arg(unit));
}

} // namespace vector
