// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <memory>

namespace menuwright {

class RectangleLocatorWindow;

// Starts Menuwright: runs the start-up sequence and returns the rectangle
// locator, which owns the other windows. Arguments name a picture to show
// and/or a layout text file (*.txt) to load, in the order given.
std::unique_ptr<RectangleLocatorWindow> startMenuwright(const QStringList& arguments);

} // namespace menuwright
