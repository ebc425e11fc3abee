// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnginePage.h"

#include "UpDown.h"

#include "wingsmith/core/AircraftValues.h"
#include "wingsmith/core/NumberFormat.h"
#include "wingsmith/core/RecordFields.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>

namespace wingsmith {

namespace {

// How the page shows a field beyond what the catalogue says: a constant
// table, so that it costs no code to build.
struct Presentation {
    std::string_view name;
    const char* caption; // the catalogue's when null
    int decimals;
    // A count moved by arrows within the values the field expects,
    // committed by them alone.
    bool arrows;
};

constexpr Presentation kPresentations[] = {
    {"engineCount", nullptr, -1, true},
    {"engineType", QT_TRANSLATE_NOOP("wingsmith::MainWindow", "Engine type"), -1, false},
    {"engineBestAltitude", nullptr, 0, false},
    {"engineUnknown1", nullptr, 6, false},
    {"engineUnknown2", nullptr, 6, false},
};

const Presentation* presentationOf(std::string_view name)
{
    for (const Presentation& p : kPresentations)
        if (p.name == name)
            return &p;
    return nullptr;
}

QLineEdit* numberField(const QString& name, int width)
{
    auto* e = new QLineEdit;
    e->setObjectName(name);
    e->setFixedWidth(width);
    e->setAlignment(Qt::AlignRight);
    return e;
}

// Its items never change; see the window's lists.
QComboBox* fixedList(const QString& name, const QStringList& items)
{
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setEditable(false);
    box->addItems(items);
    box->setMinimumWidth(160);
    return box;
}

bool isFloat(const RecordField& f)
{
    return f.type == FieldType::Float || f.type == FieldType::Bits;
}

// The control names, counted on in the order the fields stand.
constexpr int kFirstEdit = 1;
constexpr int kFirstList = 1;
constexpr int kFirstArrows = 1;

} // namespace

EnginePage::EnginePage(const PageCatalogue& catalogue, PageHooks& hooks, QWidget* parent)
    : FieldPage(FieldPages::kEngine, catalogue, hooks, parent)
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);

    int edits = kFirstEdit;
    int lists = kFirstList;
    int arrows = kFirstArrows;
    controls_.reserve(fields().size());
    for (const PageField& pf : fields()) {
        const RecordField& f = *pf.field;
        const Presentation* p = presentationOf(f.name);
        Control c;
        c.field = pf;
        auto* label = new QLabel((p && p->caption ? text(p->caption) : shown(f.caption)) + QStringLiteral(" "));
        QWidget* control = nullptr;
        if (f.codes) {
            // A float kept as its pattern is chosen from its patterns.
            QStringList items;
            for (const FieldCode& code : *f.codes) {
                items << text(code.name);
                if (f.type == FieldType::Bits)
                    c.patterns.push_back(static_cast<std::uint32_t>(code.value));
                else
                    c.values.push_back(code.value);
            }
            c.list = fixedList(numbered("ComboBox", lists++), items);
            control = c.list;
        } else if (p && p->arrows) {
            const auto [minimum, maximum] = expectedRange(f);
            c.edit = numberField(numbered("Edit", edits++), 60);
            fitInt16(c.edit, 60);
            c.arrows = new UpDown(
                numbered("UpDown", arrows++), c.edit, static_cast<int>(minimum), static_cast<int>(maximum));
            control = withArrows(c.edit, c.arrows);
        } else {
            c.edit = numberField(numbered("Edit", edits++), 120);
            c.decimals = p ? p->decimals : -1;
            control = c.edit;
        }
        if (f.caption == "Unknown")
            for (QWidget* w : {static_cast<QWidget*>(label), control})
                w->setToolTip(unknownValueTip());
        form->addRow(label, control);
        controls_.push_back(std::move(c));
    }

    // Wired once every control stands: a list's or arrows' slot is told the
    // control by its place.
    for (const Control& c : controls_) {
        const std::size_t i = static_cast<std::size_t>(&c - controls_.data());
        if (c.list)
            QObject::connect(c.list, &QComboBox::activated, widget(), [this, i](int item) { listChosen(i, item); });
        else if (c.arrows)
            // Typing into the count's field stores nothing; its arrows do.
            QObject::connect(c.arrows, &UpDown::arrowClicked, widget(), [this, i] { arrowsClicked(i); });
        else
            // Its own undo id keeps a field's keystrokes one step.
            this->hooks().numberField(
                c.edit, static_cast<int>(&c - controls_.data()) + 1, c.field, isFloat(*c.field.field));
    }

    auto* v = new QVBoxLayout(widget());
    v->addWidget(page);
    v->addStretch();
}

void EnginePage::listChosen(std::size_t control, int item)
{
    const Control& c = controls_[control];
    const auto i = static_cast<std::size_t>(item);
    if (!c.patterns.empty())
        hooks().storeBits(c.field, c.patterns[i]);
    else
        hooks().storeInteger(c.field, c.values[i]);
}

void EnginePage::arrowsClicked(std::size_t control)
{
    const Control& c = controls_[control];
    hooks().storeInteger(c.field, c.arrows->position());
}

void EnginePage::fill(const AircraftValues& values)
{
    const char sep = hooks().separator();
    for (const Control& c : controls_) {
        const PageField& pf = c.field;
        if (c.list && !c.patterns.empty()) {
            // A pattern found in no item leaves the list as it was.
            const std::uint32_t bits = values.bits(pf.record, *pf.field);
            if (auto it = std::find(c.patterns.begin(), c.patterns.end(), bits); it != c.patterns.end())
                c.list->setCurrentIndex(static_cast<int>(it - c.patterns.begin()));
        } else if (c.list) {
            const std::int64_t value = values.integerValue(pf.record, *pf.field);
            const auto it = std::find(c.values.begin(), c.values.end(), value);
            c.list->setCurrentIndex(it == c.values.end() ? -1 : static_cast<int>(it - c.values.begin()));
        } else if (c.arrows) {
            c.arrows->setPosition(static_cast<int>(values.integerValue(pf.record, *pf.field)));
        } else {
            const QString shownText = QString::fromStdString(isFloat(*pf.field)
                    ? (c.decimals < 0 ? formatGeneral(values.floatValue(pf.record, *pf.field), sep)
                                      : formatFixed(values.floatValue(pf.record, *pf.field), c.decimals, sep))
                    : formatInteger(values.integerValue(pf.record, *pf.field)));
            // Read back from the text just written, so the value keeps only
            // the precision shown.
            if (c.edit->text() == shownText)
                emit c.edit->textChanged(shownText);
            else
                c.edit->setText(shownText);
        }
    }
}

} // namespace wingsmith
