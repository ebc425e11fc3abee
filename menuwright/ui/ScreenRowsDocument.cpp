// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenRowsDocument.h"

#include "menuwright/menufile/LayoutText.h"

#include <algorithm>

namespace menuwright {

namespace {

std::array<QString, 5> texts(const ButtonRow& row)
{
    return {QString::fromStdString(row.caption), QString::fromStdString(row.L), QString::fromStdString(row.T),
        QString::fromStdString(row.W), QString::fromStdString(row.H)};
}

} // namespace

ScreenRowsDocument::ScreenRowsDocument(int rowCount, QObject* parent) : common::ButtonRowsDocument(rowCount, parent)
{
}

ButtonRow ScreenRowsDocument::row(int i) const
{
    const auto& t = rowAt(i).texts;
    return {t[0].toStdString(), t[1].toStdString(), t[2].toStdString(), t[3].toStdString(), t[4].toStdString()};
}

void ScreenRowsDocument::setRow(int i, const ButtonRow& row)
{
    setTexts(i, texts(row));
}

int ScreenRowsDocument::loadRows(std::istream& in, int first, int last)
{
    const auto read = readLayoutRows(in, first, last);
    edit(tr("Load"), [&] {
        int i = first;
        for (const ButtonRow& r : read) {
            const RectangleGeometry g = geometryFromTexts(r.L, r.T, r.W, r.H);
            loadRow(i++, texts(r), QRect(g.left, g.top, std::max(0, g.width), std::max(0, g.height)));
        }
    });
    return static_cast<int>(read.size());
}

void ScreenRowsDocument::showEveryRectangle(bool shown)
{
    adopt([&] {
        for (int i = 0; i < rowCount(); ++i)
            setShown(i, shown);
    });
}

std::optional<RectangleGeometry> ScreenRowsDocument::shownPlace(int i) const
{
    const Row& r = rowAt(i);
    if (!r.shown)
        return std::nullopt;
    return RectangleGeometry{r.place.x(), r.place.y(), r.place.width(), r.place.height()};
}

void ScreenRowsDocument::dragTo(int i, const RectangleGeometry& moved, Qt::MouseButtons buttons)
{
    const QRect place(moved.left, moved.top, std::max(0, moved.width), std::max(0, moved.height));
    const auto t = coordinateTexts(moved);
    const std::array<QString, 4> coordinates{QString::fromStdString(t[0]), QString::fromStdString(t[1]),
        QString::fromStdString(t[2]), QString::fromStdString(t[3])};
    // Passing over a rectangle only copies it into the boxes; a drag is a
    // step, ended when the button is let go.
    if (buttons == Qt::NoButton)
        adopt([&] { drag(i, {}, place, coordinates); });
    else
        drag(i, buttons == Qt::RightButton ? tr("Size") : tr("Move"), place, coordinates);
}

} // namespace menuwright
