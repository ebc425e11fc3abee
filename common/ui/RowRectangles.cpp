// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowRectangles.h"

#include "PictureRectangle.h"

namespace common {

RowRectangles::RowRectangles(std::span<PictureRectangle* const> rectangles)
    : rectangles_(rectangles.begin(), rectangles.end())
{
}

void RowRectangles::adoptInto(ButtonRowsDocument& rows) const
{
    rows.adopt([&] {
        for (std::size_t i = 0; i < rectangles_.size(); ++i) {
            rows.setPlace(static_cast<int>(i), rectangles_[i]->geometry());
            rows.setShown(static_cast<int>(i), !rectangles_[i]->isHidden());
        }
    });
}

void RowRectangles::show(const ButtonRowsDocument& rows, const QList<int>& changed, bool captions) const
{
    for (int i : changed) {
        PictureRectangle* rectangle = rectangles_.at(static_cast<std::size_t>(i));
        const ButtonRowsDocument::Row& row = rows.rowAt(i);
        if (captions)
            rectangle->setText(row.text(ButtonRowsDocument::Field::Caption));
        rectangle->setGeometry(row.place);
        rectangle->setVisible(row.shown);
    }
}

} // namespace common
