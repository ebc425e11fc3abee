// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldPage.h"

#include "StringGrid.h"
#include "UpDown.h"

#include "wingsmith/core/NumberFormat.h"

#include <algorithm>

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QWidget>

namespace wingsmith {

FieldPage::FieldPage(const char* page, const PageCatalogue& catalogue, PageHooks& hooks, QWidget* parent)
    : widget_(new QWidget(parent))
    , fields_(catalogue.fieldsOf(page))
    , hooks_(hooks)
{
    // Its controls went with the widget already.
    QObject::connect(widget_, &QObject::destroyed, [this] { delete this; });
}

void FieldPage::fill(const AircraftValues& values)
{
    const char sep = hooks_.separator();
    for (const FieldGrid& grid : grids_)
        grid.fill(values, sep);
}

bool FieldPage::commitGrid(StringGrid* grid)
{
    for (const FieldGrid& own : grids_) {
        if (own.grid() != grid)
            continue;
        try {
            own.commit(hooks_);
        } catch (const ConversionError& e) {
            hooks_.conversionError(e);
        }
        return true;
    }
    return false;
}

StringGrid* FieldPage::addGrid(
    const QString& name, std::vector<PageField> fields, int columns, int decimals, int cellWidth)
{
    StringGrid* grid = grids_.emplace_back(name, std::move(fields), columns, decimals).grid();
    grid->setCellWidth(cellWidth);
    QObject::connect(grid, &StringGrid::userEdited, widget_, [this, grid] { hooks_.leftPending(grid); });
    return grid;
}

void FieldPage::commitWhenLeft(QCheckBox* box)
{
    QObject::connect(box, &QCheckBox::clicked, widget_, [this, box] { hooks_.leftPending(box); });
}

QString FieldPage::unknownValueTip()
{
    return QCoreApplication::translate("wingsmith::MainWindow",
        "A value of the file whose meaning is not known. Wingsmith does not interpret it: it keeps it as it is "
        "and writes back only what you type here.");
}

QString FieldPage::shown(const std::string& text)
{
    return FieldPage::text(text.c_str());
}

QString FieldPage::text(const char* s)
{
    return QCoreApplication::translate("wingsmith::MainWindow", s);
}

QStringList FieldPage::texts(std::initializer_list<const char*> s)
{
    QStringList out;
    for (const char* t : s)
        out << (t ? text(t) : QString());
    return out;
}

QString FieldPage::numbered(const char* name, int n)
{
    return QString::fromLatin1(name) + QString::number(n);
}

void FieldPage::fitInt16(QLineEdit* edit, int width)
{
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    edit->setFixedWidth(std::max(width, edit->fontMetrics().horizontalAdvance("-32768") + 2 * frame + 10));
}

QWidget* FieldPage::withArrows(QLineEdit* edit, UpDown* arrows)
{
    auto* box = new QWidget;
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(1);
    h->addWidget(edit);
    h->addWidget(arrows);
    h->addStretch();
    return box;
}

QLabel* FieldPage::caption(const QString& s)
{
    auto* l = new QLabel(s);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace wingsmith
