#pragma once

#include <QStringList>

#include <functional>
#include <memory>

class QWidget;

namespace common {

// What a program's main() hands over: the window to show first, built from
// the command-line arguments that are not options.
using MainWindowFactory = std::function<std::unique_ptr<QWidget>(const QStringList& arguments)>;

// Runs a window program. Understands `--screenshot FILE.png`: the program
// starts as usual, its first window is rendered to FILE.png, closed the
// normal way, and the program exits 0; every dialog then answers by itself
// (see HeadlessDialogs). Without a display, screenshot mode falls back to
// Qt's offscreen platform; the normal mode says how to get a display.
int runWindowProgram(int argc, char** argv, const QString& applicationName, const MainWindowFactory& factory);

// Renders `window` to a PNG file; false if the file could not be written.
bool saveWindowPicture(QWidget& window, const QString& path);

} // namespace common
