// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QWidget;

namespace bench {

// Builds, from describeWidgetTree()'s lines, the same form in bare Qt:
// widgets of the same kinds, places, texts and contents, with none of the
// program's code behind them. Returns the window (nullptr for no lines).
QWidget* buildForm(const QStringList& lines);

} // namespace bench
