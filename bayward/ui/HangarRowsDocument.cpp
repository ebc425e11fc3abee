// SPDX-License-Identifier: GPL-3.0-or-later
#include "HangarRowsDocument.h"

namespace bayward {

namespace {

QString boxText(int value)
{
    return QString::fromStdString(coordinateText(value));
}

} // namespace

HangarRowsDocument::HangarRowsDocument(QObject* parent)
    : common::ButtonRowsDocument(menuwright::HangarLayout::kRows, parent)
{
}

menuwright::HangarLayout HangarRowsDocument::layout() const
{
    menuwright::HangarLayout layout;
    for (int i = 0; i < rowCount(); ++i) {
        const auto& t = rowAt(i).texts;
        layout.rows[i]
            = {t[0].toStdString(), t[1].toStdString(), t[2].toStdString(), t[3].toStdString(), t[4].toStdString()};
    }
    return layout;
}

void HangarRowsDocument::setDefaults()
{
    adopt([this] {
        for (int i = 0; i < rowCount(); ++i)
            setTexts(i, {QString::fromStdString(menuwright::HangarLayout::defaultCaptions()[i]), {}, {}, {}, {}});
    });
}

void HangarRowsDocument::placeButton(int row, const Placement& p)
{
    edit(tr("Place"), [&] {
        setCoordinates(row, boxText(p.left), boxText(p.top), boxText(p.width), boxText(p.height));
        setPlace(row, QRect(p.left, p.top, p.width, p.height));
        setShown(row, true);
    });
}

void HangarRowsDocument::hideButton(int row)
{
    edit(tr("Hide"), [&] { setShown(row, false); });
}

} // namespace bayward
