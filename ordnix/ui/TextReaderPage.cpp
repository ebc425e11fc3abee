// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextReaderPage.h"

#include "ControlHelpers.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ordnix {

TextReaderPage::TextReaderPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    Text1_0 = new QPlainTextEdit;
    Text1_0->setObjectName(QStringLiteral("Text1_0"));
    Text1_0->setReadOnly(true);
    Text1_0->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(Text1_0, 1);
    auto* buttons = new QHBoxLayout;
    auto* load = namedButton(QStringLiteral("T1"), tr("Load &Text"));
    load->setToolTip(tr("Show a text file here, as it is"));
    buttons->addWidget(load);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(load, &QPushButton::clicked, this, &TextReaderPage::loadClicked);
}

void TextReaderPage::clear()
{
    Text1_0->clear();
}

void TextReaderPage::setText(const QString& text)
{
    Text1_0->setPlainText(text);
}

} // namespace ordnix
