// SPDX-License-Identifier: GPL-3.0-or-later
#include "TypePage.h"

#include "wingsmith/core/FieldCodes.h"
#include "wingsmith/core/RecordFields.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace wingsmith {

TypePage::TypePage(const PageCatalogue& catalogue, PageHooks& hooks, QWidget* parent)
    : FieldPage(FieldPages::kType, catalogue, hooks, parent)
{
    auto* h = new QHBoxLayout(widget());
    int number = 1; // the boxes are named in the order they stand
    for (const PageField& pf : fields()) {
        if (!pf.field->flagBits)
            continue;
        auto* v = new QVBoxLayout;
        for (const FieldCode& b : *pf.field->flagBits) {
            auto* box = new QCheckBox(text(b.name));
            box->setObjectName(numbered("CheckBox", number++));
            boxes_.push_back({box, pf, static_cast<std::uint8_t>(b.value)});
            commitWhenLeft(box);
            v->addWidget(box);
        }
        v->addStretch();
        h->addLayout(v);
    }
    auto* memo = new QPlainTextEdit;
    memo->setObjectName("Memo1");
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setPlainText(
        texts({"Impossibilities:", nullptr, "- an aircraft cannot be German, British ", "and American at the same time",
                  nullptr, "- an aircraft cannot have two and four ", "engines at the same time, you have ",
                  "either two or four engines.", nullptr, "- an aircraft cannot be an angle fighter ",
                  "an energy fighter at the same time", nullptr, "- the gear of an aircraft cannot rotate ",
                  "inward and outward at the same time", nullptr, "- an aircraft cannot have armor and ",
                  "heavy armor at the same time"})
            .join('\n'));
    memo->setStyleSheet("QPlainTextEdit { color: #ffd700; background: #202a38; }");
    memo->setFixedWidth(QFontMetrics(memo->font()).horizontalAdvance("- an aircraft cannot be German, British  ") + 30);
    h->addWidget(memo);
}

void TypePage::fill(const AircraftValues& values)
{
    for (const Box& b : boxes_)
        b.box->setChecked((values.integerValue(b.field.record, *b.field.field) & b.bit) != 0);
}

std::vector<QCheckBox*> TypePage::boxes() const
{
    std::vector<QCheckBox*> out;
    for (const Box& b : boxes_)
        out.push_back(b.box);
    return out;
}

std::uint8_t TypePage::CheckBoxRem(std::uint8_t byte, bool checked, std::uint8_t bit)
{
    const bool set = (byte & bit) != 0;
    if (set && !checked)
        return static_cast<std::uint8_t>(byte - bit);
    if (!set && checked)
        return static_cast<std::uint8_t>(byte + bit);
    return byte;
}

void TypePage::commitBox(QCheckBox* box)
{
    for (const Box& b : boxes_) {
        if (b.box != box)
            continue;
        const bool checked = box->isChecked();
        hooks().record(0, {QString::fromStdString(b.field.field->name)}, [&](AircraftValues& values) {
            const auto byte = static_cast<std::uint8_t>(values.integerValue(b.field.record, *b.field.field));
            values.setInteger(b.field.record, *b.field.field, CheckBoxRem(byte, checked, b.bit));
        });
        return;
    }
}

} // namespace wingsmith
