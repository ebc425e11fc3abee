// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ui/ButtonRowsDocument.h"

#include "menuwright/core/RectangleDrag.h"
#include "menuwright/menufile/ButtonRow.h"

#include <istream>
#include <optional>

namespace menuwright {

// The button rows of one screen, as every window of that screen shows them,
// in the menu files' own terms.
class ScreenRowsDocument : public common::ButtonRowsDocument {
    Q_OBJECT

public:
    explicit ScreenRowsDocument(int rowCount, QObject* parent = nullptr);

    ButtonRow row(int i) const;
    void setRow(int i, const ButtonRow& row);
    // Reads rows first..last from a layout text file's stream and places
    // their rectangles from them; a short file leaves the rows it does not
    // reach unchanged. Returns the rows read.
    int loadRows(std::istream& in, int first, int last);
    // Every rectangle shown or hidden (a new picture, a start): no step.
    void showEveryRectangle(bool shown);
    // The row's rectangle where it is shown on the picture.
    std::optional<RectangleGeometry> shownPlace(int i) const;
    // The rectangle dragged to `moved`, its coordinates copied into the row:
    // a step of the user's while a button is held, else only a copy.
    void dragTo(int i, const RectangleGeometry& moved, Qt::MouseButtons buttons);
};

} // namespace menuwright
