// emptywindow WIDTH HEIGHT FILE.png: shows an empty main window of the given
// size, renders it to FILE.png and closes it, the way a program's
// --screenshot start does, so its cost is what Qt alone needs for a window.
// emptywindow --bare: only creates the application object and leaves.
#include "common/ui/WindowProgram.h"

#include <QApplication>
#include <QMainWindow>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if ((platform == nullptr || *platform == '\0') && (display == nullptr || *display == '\0'))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    if (argc == 2 && std::string(argv[1]) == "--bare") {
        QApplication app(argc, argv);
        QApplication::setApplicationName("emptywindow");
        return 0;
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT FILE.png | --bare\n", argv[0]);
        return 2;
    }
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    if (width <= 0 || height <= 0) {
        std::fprintf(stderr, "%s: the size must be positive\n", argv[0]);
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("emptywindow");
    QMainWindow window;
    window.resize(width, height);
    window.show();
    // The same event rounds as a program's --screenshot start.
    QApplication::processEvents();
    QApplication::processEvents();
    const bool saved = common::saveWindowPicture(window, QString::fromLocal8Bit(argv[3]));
    window.close();
    QApplication::processEvents();
    if (!saved) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
