// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleNameCheck.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QTabBar>
#include <QWidget>

namespace common {

namespace {

bool isControl(const QWidget& w)
{
    // A tab bar's tabs are named by their captions; "qt_" widgets are Qt's
    // own (a tool bar's extension button).
    if (qobject_cast<const QTabBar*>(&w) || w.objectName().startsWith(QLatin1String("qt_")))
        return false;
    // Qt's own parts of a control (a view's headers, a combo box's list).
    for (const QWidget* p = w.parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p)
            || qobject_cast<const QAbstractItemView*>(p) || qobject_cast<const QTabBar*>(p))
            return false;
    if (qobject_cast<const QAbstractButton*>(&w))
        return true;
    return w.focusPolicy() != Qt::NoFocus
        && (qobject_cast<const QLineEdit*>(&w) || qobject_cast<const QComboBox*>(&w)
            || qobject_cast<const QAbstractItemView*>(&w) || qobject_cast<const QAbstractSpinBox*>(&w));
}

QString describe(const QWidget& w)
{
    return QString::fromLatin1(w.metaObject()->className()) + QLatin1Char(' ') + w.objectName();
}

} // namespace

QStringList accessibleNameFaults(const QWidget& window)
{
    QStringList faults;
    QMap<QString, QStringList> byName;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        // A window of its own (a dialog the window owns) is checked apart.
        if (!isControl(*w) || w->window() != &window)
            continue;
        // A combo box's own name is its current text; its label's is set
        // apart, as accessibleName.
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        const QString name = !w->accessibleName().isEmpty() ? w->accessibleName()
            : face                                          ? face->text(QAccessible::Name).trimmed()
                                                            : QString();
        if (name.isEmpty())
            faults << QStringLiteral("unnamed: ") + describe(*w);
        else
            byName[name] << describe(*w);
    }
    for (auto it = byName.cbegin(); it != byName.cend(); ++it)
        if (it.value().size() > 1)
            faults << QStringLiteral("\"%1\" names %2").arg(it.key(), it.value().join(QStringLiteral(", ")));
    return faults;
}

} // namespace common
