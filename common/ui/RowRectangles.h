// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ui/ButtonRowsDocument.h"

#include <QList>

#include <span>
#include <vector>

namespace common {

class PictureRectangle;

// The rectangles of a screen's rows on its picture, as a view of the rows.
class RowRectangles {
public:
    explicit RowRectangles(std::span<PictureRectangle* const> rectangles);

    // Where the rectangles stand now, taken into the rows without a step.
    void adoptInto(ButtonRowsDocument& rows) const;
    // Place and visibility of the rows given, and their captions when asked.
    void show(const ButtonRowsDocument& rows, const QList<int>& changed, bool captions) const;

private:
    std::vector<PictureRectangle*> rectangles_;
};

} // namespace common
