#include "WindowProgram.h"

#include "Dialogs.h"
#include "HeadlessDialogs.h"

#include "common/core/AtomicWrite.h"
#include "common/core/IoError.h"
#include "common/core/RunBackups.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace common {

namespace {

bool hasDisplay()
{
    auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v != nullptr && *v != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

struct Arguments {
    std::optional<QString> screenshot;
    QStringList positional;
    bool bad = false;
};

Arguments parse(int argc, char** argv)
{
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--screenshot") {
            if (i + 1 >= argc) {
                args.bad = true;
                break;
            }
            args.screenshot = QString::fromLocal8Bit(argv[++i]);
        } else if (a.rfind("--screenshot=", 0) == 0) {
            args.screenshot = QString::fromLocal8Bit(a.substr(13).c_str());
        } else {
            args.positional << QString::fromLocal8Bit(argv[i]);
        }
    }
    return args;
}

} // namespace

bool saveWindowPicture(QWidget& window, const QString& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!window.grab().save(&buffer, "PNG"))
        return false;
    try {
        writeFileAtomically(std::filesystem::path(QFile::encodeName(path).toStdString()),
            std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
        return true;
    } catch (const IoError&) {
        return false;
    }
}

int runWindowProgram(int argc, char** argv, const QString& applicationName, const MainWindowFactory& factory)
{
    const Arguments args = parse(argc, argv);
    if (args.bad) {
        std::fprintf(stderr, "usage: %s [--screenshot FILE.png] [FILE]\n", argc > 0 ? argv[0] : "program");
        return 2;
    }
    if (!hasDisplay()) {
        if (args.screenshot) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        } else {
            std::fprintf(stderr,
                "%s needs a display, and none was found (DISPLAY and WAYLAND_DISPLAY are empty).\n"
                "Run it inside a desktop session, or under a virtual one with: xvfb-run -a %s\n",
                applicationName.toLocal8Bit().constData(), argc > 0 ? argv[0] : "program");
            return 1;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(applicationName);
    // Every game file this run changes or removes is copied first.
    RunBackups::start(applicationName.toStdString());
    if (args.screenshot)
        installDialogs(std::make_unique<HeadlessDialogs>());

    std::unique_ptr<QWidget> window = factory(args.positional);
    if (!window)
        return 0;
    window->show();

    if (!args.screenshot)
        return QApplication::exec();

    QApplication::processEvents();
    QApplication::processEvents();
    const bool saved = saveWindowPicture(*window, *args.screenshot);
    window->close();
    QApplication::processEvents();
    if (!saved) {
        std::fprintf(stderr, "cannot write %s\n", args.screenshot->toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

} // namespace common
