// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
class QString;
class QWidget;

namespace common {

// Draws a button rectangle's caption as a small tag in its top-left corner,
// so that it names the rectangle without hiding the button drawn on the
// screen picture underneath. Long captions are cut to the width.
void drawCaptionTag(QPainter& painter, const QWidget& rectangle, const QString& caption);

} // namespace common
