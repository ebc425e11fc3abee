// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

#include <utility>
#include <vector>

namespace common {

namespace {

QString labelText(const QLabel& label)
{
    QString text = label.text();
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

bool isControl(const QWidget& w)
{
    return qobject_cast<const QLineEdit*>(&w) || qobject_cast<const QComboBox*>(&w)
        || qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QAbstractItemView*>(&w)
        || qobject_cast<const QAbstractSpinBox*>(&w);
}

// Buttons that show their own text are named by it already.
bool needsName(const QWidget& w)
{
    if (!w.accessibleName().isEmpty())
        return false;
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w))
        return button->text().isEmpty();
    return true;
}

QString arrowSuffix(const QWidget& w)
{
    const auto* button = qobject_cast<const QToolButton*>(&w);
    if (!button)
        return {};
    switch (button->arrowType()) {
    case Qt::UpArrow:
        return QLatin1Char(' ') + QCoreApplication::translate("common", "up");
    case Qt::DownArrow:
        return QLatin1Char(' ') + QCoreApplication::translate("common", "down");
    case Qt::LeftArrow:
        return QLatin1Char(' ') + QCoreApplication::translate("common", "left");
    case Qt::RightArrow:
        return QLatin1Char(' ') + QCoreApplication::translate("common", "right");
    default:
        return {};
    }
}

void give(QWidget& w, const QString& name)
{
    if (name.isEmpty())
        return;
    if (isControl(w)) {
        if (needsName(w))
            w.setAccessibleName(name + arrowSuffix(w));
        return;
    }
    // A box of controls: those inside without a name of their own.
    for (QWidget* inner : w.findChildren<QWidget*>())
        if (isControl(*inner) && needsName(*inner))
            inner->setAccessibleName(name + arrowSuffix(*inner));
}

QLabel* layoutLabelOf(QLayout& layout, int index);

QLabel* labelAt(QLayout& layout, int index)
{
    if (index < 0 || index >= layout.count())
        return nullptr;
    QLayoutItem* item = layout.itemAt(index);
    return item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
}

bool isCaption(const QLabel* label)
{
    return label && !label->buddy() && !labelText(*label).isEmpty();
}

// In a table of controls: the column's heading and the row's label
// ("# Guns 3"); otherwise the one there is, or the label right of it.
QString gridNameOf(QGridLayout& grid, int index)
{
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid.getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    QLabel* left = nullptr;
    QLabel* above = nullptr;
    QLabel* right = nullptr;
    int leftColumn = -1, aboveRow = -1, rightColumn = grid.columnCount();
    for (int i = 0; i < grid.count(); ++i) {
        auto* label = labelAt(grid, i);
        if (!isCaption(label))
            continue;
        int r = 0, c = 0, rs = 0, cs = 0;
        grid.getItemPosition(i, &r, &c, &rs, &cs);
        if (r == row && c < column && c > leftColumn) {
            left = label;
            leftColumn = c;
        }
        if (r == row && c > column && c < rightColumn) {
            right = label;
            rightColumn = c;
        }
        if (c == column && r < row && r > aboveRow) {
            above = label;
            aboveRow = r;
        }
    }
    if (left && above)
        return labelText(*above) + QLatin1Char(' ') + labelText(*left);
    if (left || above)
        return labelText(left ? *left : *above);
    return right ? labelText(*right) : QString();
}

// The name that item `index` of `layout` takes from a label, if any.
QString layoutNameOf(QLayout& layout, int index)
{
    if (auto* grid = qobject_cast<QGridLayout*>(&layout))
        return gridNameOf(*grid, index);
    QLabel* label = layoutLabelOf(layout, index);
    return isCaption(label) ? labelText(*label) : QString();
}

QLabel* layoutLabelOf(QLayout& layout, int index)
{
    if (auto* grid = qobject_cast<QGridLayout*>(&layout)) {
        // The row's label alone, where it is the whole name.
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        for (int i = 0; i < grid->count(); ++i) {
            int r = 0, c = 0, rs = 0, cs = 0;
            grid->getItemPosition(i, &r, &c, &rs, &cs);
            if (r == row && c == column - 1)
                return labelAt(*grid, i);
        }
        return nullptr;
    }
    if (auto* form = qobject_cast<QFormLayout*>(&layout)) {
        int row = 0;
        QFormLayout::ItemRole role{};
        form->getItemPosition(index, &row, &role);
        if (role != QFormLayout::FieldRole)
            return nullptr;
        QLayoutItem* label = form->itemAt(row, QFormLayout::LabelRole);
        return label ? qobject_cast<QLabel*>(label->widget()) : nullptr;
    }
    if (qobject_cast<QBoxLayout*>(&layout)) {
        // The nearest label before it, unless another control comes between.
        for (int i = index - 1; i >= 0; --i) {
            QLayoutItem* item = layout.itemAt(i);
            if (!item || !item->widget())
                continue;
            auto* label = qobject_cast<QLabel*>(item->widget());
            return label && !label->buddy() ? label : nullptr;
        }
    }
    return nullptr;
}

class NamingFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow())
                nameControlsByLabels(*widget);
        }
        return false;
    }
};

} // namespace

void nameControlsOfEveryWindow()
{
    static QPointer<NamingFilter> filter;
    if (filter || !QCoreApplication::instance())
        return;
    filter = new NamingFilter(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

void nameControlsByLabels(QWidget& window)
{
    std::vector<std::pair<QWidget*, QString>> named;
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy())
            named.emplace_back(label->buddy(), labelText(*label));
    for (QLayout* layout : window.findChildren<QLayout*>()) {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem* item = layout->itemAt(i);
            if (!item || qobject_cast<QLabel*>(item->widget()))
                continue;
            const QString name = layoutNameOf(*layout, i);
            if (name.isEmpty())
                continue;
            if (QWidget* w = item->widget()) {
                named.emplace_back(w, name);
                // Screen readers on Linux read a combo box's label through
                // the label's buddy, not its name.
                QLabel* label = layoutLabelOf(*layout, i);
                if (label && !label->buddy() && isControl(*w) && labelText(*label) == name)
                    label->setBuddy(w);
            } else if (QLayout* inner = item->layout()) {
                // A caption over a row of controls names those in it.
                for (int k = 0; k < inner->count(); ++k)
                    if (QWidget* w = inner->itemAt(k) ? inner->itemAt(k)->widget() : nullptr)
                        named.emplace_back(w, name);
            }
        }
    }
    // Controls first, so that a box passes its name only to those left.
    for (const bool boxes : {false, true})
        for (const auto& [w, name] : named)
            if (isControl(*w) != boxes)
                give(*w, name);
    // Labels of the same text on different pages: "Unknown", "Unknown 2".
    QHash<QString, int> seen;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!isControl(*w) || w->accessibleName().isEmpty())
            continue;
        const int n = ++seen[w->accessibleName()];
        if (n > 1)
            w->setAccessibleName(w->accessibleName() + QLatin1Char(' ') + QString::number(n));
    }
}

} // namespace common
