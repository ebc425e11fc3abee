// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QWidget;

namespace bench {

// A plain description of a window's widgets, one line each, tab-separated:
//   depth, the nearest standard Qt kind, x, y, width, height, shown (1/0),
//   font (empty: the usual one), text, then what the kind shows:
//   tab widget: current index, captions;
//   combo box: current index, item texts;
//   item view: rows, columns, top header shown, side header shown, current
//     row, scroll position, row height, column widths, column captions,
//     then for the first rows their captions and their cells, row by row;
//   menu bar: the menus' titles;
//   button with an icon: "icon";
//   frame or label: "frame" and its frame style where it has one, "filled"
//     where it fills its background;
//   label: "align" and its alignment, and "pixmap", width, height where it
//     shows a picture.
// Qt's own parts of a widget (a scroll area's viewport, a tab widget's bar)
// are left out: they come with the kind. The start-up benchmark builds the
// same form from it in bare Qt, to tell what Qt needs for a form from what
// a program adds to it.
QStringList describeWidgetTree(const QWidget& window);

// The text of a description field, with tabs, line ends and backslashes
// written as \t, \n, \r and \\, and back.
QString escapeTreeField(const QString& text);
QString unescapeTreeField(const QString& field);

} // namespace bench
