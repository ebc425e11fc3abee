// SPDX-License-Identifier: GPL-3.0-or-later
#include "GunPage.h"

#include "UpDown.h"

#include "wingsmith/core/FieldCodes.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/RecordFields.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <string_view>

namespace wingsmith {

namespace {

// A field that shows a stored int16, read-only, wide enough for the widest.
QLineEdit* int16Field(const QString& name, int width)
{
    auto* e = new QLineEdit;
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    FieldPage::fitInt16(e, width);
    return e;
}

// The part of a group field's name after "gunN.".
std::string_view member(const RecordField& f)
{
    const std::string_view name = f.name;
    const auto dot = name.find('.');
    return dot == std::string_view::npos ? name : name.substr(dot + 1);
}

// Counts moved by arrows within the values the field expects: their step
// and field width.
struct Arrows {
    std::string_view member;
    int step;
    int width;
};
constexpr Arrows kArrows[] = {{"guns", 1, 40}, {"ammo", 5, 60}};

// The control names, counted on in the order the controls stand.
constexpr int kCountEdit = 5;
constexpr int kCountArrows = 2;
constexpr int kFirstList = 4;
constexpr int kFirstRowLabel = 58;
constexpr int kFirstGrid = 10;
constexpr int kFirstGroupHeader = 76;

} // namespace

GunPage::GunPage(const PageCatalogue& catalogue, PageHooks& hooks, QWidget* parent)
    : FieldPage(FieldPages::kPlanesGun, catalogue, hooks, parent)
{
    pages_ = new QTabWidget;
    pages_->setObjectName("PageControl2");
    tableSheet_ = buildTable(fields());
    tableSheet_->setObjectName("TabSheet5");
    recordSheet_ = buildRecord(catalogue.fieldsOf(FieldPages::kFltGun));
    recordSheet_->setObjectName("TabSheet6");
    pages_->addTab(tableSheet_, text("PLANES.DAT"));
    pages_->addTab(recordSheet_, text("*.FLT"));
    auto* v = new QVBoxLayout(widget());
    v->addWidget(pages_);
}

QWidget* GunPage::buildTable(const std::vector<PageField>& fields)
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    std::map<int, std::vector<PageField>> groups;
    for (const PageField& pf : fields)
        if (pf.field->gunGroup == 0)
            count_.field = pf;
        else
            groups[pf.field->gunGroup].push_back(pf);

    int edits = kCountEdit;
    int arrows = kCountArrows;
    int lists = kFirstList;
    auto* countRow = new QHBoxLayout;
    if (count_.field.field) {
        count_.edit = int16Field(numbered("Edit", edits++), 40);
        count_.arrows = new UpDown(numbered("UpDown", arrows++), count_.edit, 0, kGunGroupCount);
        countRow->addWidget(new QLabel(shown(count_.field.field->caption) + QStringLiteral(" ")));
        countRow->addWidget(withArrows(count_.edit, count_.arrows));
        QObject::connect(count_.edit, &QLineEdit::textChanged, widget(), [this] { countChanged(); });
    }
    countRow->addStretch();
    grid->addLayout(countRow, 0, 0, 1, 7);

    // The column headers are the first group's captions.
    if (!groups.empty()) {
        int c = 1;
        for (const PageField& pf : groups.begin()->second)
            grid->addWidget(caption(shown(pf.field->caption) + QStringLiteral(" ")), 1, c++);
    }

    int row = 2;
    int rowLabel = kFirstRowLabel;
    for (const auto& [group, members] : groups) {
        auto* label = new QLabel(QString::number(group));
        label->setObjectName(numbered("Label", rowLabel++));
        grid->addWidget(label, row, 0, Qt::AlignRight);
        Group& shown = groupNumbered(group);
        shown.widgets.push_back(label);
        int column = 1;
        // Created left to right, so the tab key follows the row.
        for (const PageField& pf : members) {
            Control c;
            c.field = pf;
            const std::size_t i = controls_.size();
            QWidget* cell = nullptr;
            const auto* a = std::find_if(
                std::begin(kArrows), std::end(kArrows), [&](const Arrows& x) { return x.member == member(*pf.field); });
            if (pf.field->codes) {
                QStringList items;
                for (const FieldCode& code : *pf.field->codes)
                    items << text(code.name);
                c.list = new QComboBox;
                c.list->setObjectName(numbered("ComboBox", lists++));
                c.list->setEditable(false);
                c.list->addItems(items);
                cell = c.list;
                shown.widgets.push_back(c.list);
                QObject::connect(c.list, &QComboBox::activated, widget(), [this, i](int item) { listChosen(i, item); });
            } else {
                const auto [minimum, maximum] = expectedRange(*pf.field);
                const int step = a != std::end(kArrows) ? a->step : 1;
                c.edit = int16Field(numbered("Edit", edits++), a != std::end(kArrows) ? a->width : 60);
                c.arrows = new UpDown(
                    numbered("UpDown", arrows++), c.edit, static_cast<int>(minimum), static_cast<int>(maximum), step);
                cell = withArrows(c.edit, c.arrows);
                shown.widgets.push_back(c.edit);
                shown.widgets.push_back(c.arrows);
                shown.arrows.push_back(c.arrows);
                QObject::connect(c.edit, &QLineEdit::textChanged, widget(), [this, i] { cellChanged(i); });
            }
            grid->addWidget(cell, row, column++);
            controls_.push_back(c);
        }
        ++row;
    }
    grid->setRowStretch(8, 1);
    grid->setColumnStretch(7, 1);
    return page;
}

QWidget* GunPage::buildRecord(const std::vector<PageField>& fields)
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(6);

    std::map<int, std::vector<PageField>> groups;
    for (const PageField& pf : fields)
        groups[pf.field->gunGroup].push_back(pf);

    // The row captions, the first group's, stand in a header-only column
    // beside the grids.
    QStringList rowCaptions;
    if (!groups.empty())
        for (const PageField& pf : groups.begin()->second)
            rowCaptions << shown(pf.field->caption) + QStringLiteral(" ");
    const int rows = static_cast<int>(rowCaptions.size());
    auto* captions = new QTableWidget(rows, 0);
    captions->setObjectName("FltGunCaptions");
    captions->setFocusPolicy(Qt::NoFocus); // captions only, nothing to choose
    captions->setVerticalHeaderLabels(rowCaptions);
    captions->horizontalHeader()->hide();
    captions->verticalHeader()->setDefaultSectionSize(22);
    captions->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    captions->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    captions->setFrameShape(QFrame::NoFrame);
    captions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    captions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    captions->setStyleSheet("QTableWidget { background: transparent; }");
    captions->setFixedSize(captions->verticalHeader()->sizeHint().width() + 2, 22 * rows + 2);
    grid->addWidget(captions, 1, 0, Qt::AlignTop);

    int column = 1;
    int gridName = kFirstGrid;
    int header = kFirstGroupHeader;
    for (auto& [group, members] : groups) {
        auto* label = new QLabel(QString::number(group));
        label->setObjectName(numbered("Label", header++));
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 0, column);
        StringGrid* g = addGrid(numbered("StringGrid", gridName++), std::move(members), 1, FieldGrid::kGeneral, 90);
        grid->addWidget(g, 1, column, Qt::AlignTop);
        Group& shown = groupNumbered(group);
        shown.widgets.push_back(g);
        shown.widgets.push_back(label);
        ++column;
    }
    grid->setColumnStretch(7, 1);
    grid->setRowStretch(2, 1);
    return page;
}

void GunPage::countChanged()
{
    GunGroupVisibility();
    hooks().storeInteger(count_.field, count_.arrows->position());
}

void GunPage::listChosen(std::size_t control, int item)
{
    const Control& c = controls_[control];
    hooks().storeInteger(c.field, (*c.field.field->codes)[static_cast<std::size_t>(item)].value);
}

void GunPage::cellChanged(std::size_t control)
{
    const Control& c = controls_[control];
    hooks().storeInteger(c.field, c.arrows->position());
}

void GunPage::fill(const AircraftValues& values)
{
    if (count_.arrows)
        count_.arrows->setPosition(static_cast<int>(values.integerValue(count_.field.record, *count_.field.field)));
    // Every group, whatever the count.
    for (const Control& c : controls_) {
        const std::int64_t value = values.integerValue(c.field.record, *c.field.field);
        if (c.list)
            c.list->setCurrentIndex(codeIndex(*c.field.field->codes, value));
        else
            c.arrows->setPosition(static_cast<int>(value));
    }
    FieldPage::fill(values);
}

void GunPage::setRecordName(const QString& name)
{
    pages_->setTabText(pages_->indexOf(recordSheet_), name);
}

void GunPage::GunGroupVisibility()
{
    const int n = count_.arrows ? count_.arrows->position() : kGunGroupCount;
    for (const Group& g : groups_)
        for (QWidget* w : g.widgets)
            w->setVisible(g.number <= n);
    for (const Group& g : groups_)
        for (UpDown* a : g.arrows)
            a->setEnabled(g.number <= n);
}

GunPage::Group& GunPage::groupNumbered(int number)
{
    auto it = groups_.begin();
    while (it != groups_.end() && it->number < number)
        ++it;
    if (it == groups_.end() || it->number != number)
        it = groups_.insert(it, Group{number, {}, {}});
    return *it;
}

} // namespace wingsmith
