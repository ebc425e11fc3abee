// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ui/WindowProgramDescription.h"

#include <QIcon>

class QWidget;

namespace common {

// Runs a window program. Its command line takes Qt's own options (-style,
// -platform, ...), --help and --version (both answered on stdout without a
// display), and `--screenshot FILE.png`: the program starts as usual, its
// first window is rendered to FILE.png, closed the normal way, and the
// program exits 0; every dialog then answers by itself (see
// HeadlessDialogs). Without a display, screenshot mode falls back to Qt's
// offscreen platform; the normal mode says how to get a display. A command
// line it cannot read ends the program with 2.
int runWindowProgram(int argc, char** argv, const WindowProgramDescription& program);

// Renders `window` to a PNG file; false if the file could not be written.
bool saveWindowPicture(QWidget& window, const QString& path);

// The name of a program's installed desktop entry (without ".desktop") and
// icon, from its application name.
QString desktopFileId(const QString& applicationName);

// The program's own icon, built into the program and read when first drawn
// (a window system that shows no icons never reads it); a null icon for a name
// that is not one of the suite's window programs.
QIcon programIcon(const QString& applicationName);

} // namespace common
