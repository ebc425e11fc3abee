// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowBoxes.h"

#include <QLineEdit>

namespace common {

RowBoxes::RowBoxes(QLineEdit* caption, QLineEdit* l, QLineEdit* t, QLineEdit* w, QLineEdit* h)
    : boxes_{{{caption, ButtonRowsDocument::Field::Caption}, {l, ButtonRowsDocument::Field::L},
        {t, ButtonRowsDocument::Field::T}, {w, ButtonRowsDocument::Field::W}, {h, ButtonRowsDocument::Field::H}}}
{
}

void RowBoxes::sendEditsTo(ButtonRowsDocument& document, int row, QObject* context) const
{
    for (const auto& [box, field] : boxes_) {
        QObject::connect(box, &QLineEdit::textChanged, context,
            [&document, row, field = field](const QString& text) { document.setText(row, field, text); });
        // What was typed into one box is one step.
        QObject::connect(box, &QLineEdit::editingFinished, context, [&document] { document.closeStep(); });
    }
}

void RowBoxes::show(const ButtonRowsDocument& document, int row) const
{
    for (const auto& [box, field] : boxes_) {
        const QString text = document.text(row, field);
        if (box->text() != text)
            box->setText(text);
    }
}

} // namespace common
