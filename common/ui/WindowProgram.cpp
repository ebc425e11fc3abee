// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowProgram.h"
#include "common/ui/NativePath.h"

#include "AccessibleNames.h"
#include "DeferredIconEngine.h"
#include "Dialogs.h"
#include "HeadlessDialogs.h"

#include "common/core/AtomicWrite.h"
#include "common/core/IoError.h"
#include "common/core/RunBackups.h"
#include "Translations.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

// At global scope, not in a namespace: the resource initialiser it
// declares is a global function.
static void loadIcons()
{
    Q_INIT_RESOURCE(suite_icons);
}

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

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help{QStringList{"h", "help"}, "Shows this help and exits."};
    QCommandLineOption version{QStringList{"v", "version"}, "Shows the version and exits."};
    QCommandLineOption screenshot{"screenshot",
        "Renders the first window to FILE.png, closes it and exits; dialogs answer No, OK or Cancel by "
        "themselves and print their text to stderr.",
        "FILE.png"};
    explicit CommandLine(const WindowProgramDescription& program)
    {
        // "-reverse" is Qt's option, not -r -e -v...
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(screenshot);
        // Qt's own options, known here so that anything else can be refused
        // before a display is looked for; QApplication takes them out later.
        for (const char* name : {"style", "stylesheet", "platform", "platformpluginpath", "platformtheme", "plugin",
                 "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry", "title", "name",
                 "icon", "qmljsdebugger", "dialogs", "fontengine"})
            addQtOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
        for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"})
            addQtOption(QCommandLineOption(QString::fromLatin1(name)));
        if (!program.fileSyntax.isEmpty())
            parser.addPositionalArgument("files", program.fileAbout, program.fileSyntax);
    }

    // Whether the user named the display or platform to use.
    bool displayChosen() const
    {
        return parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display"));
    }

private:
    void addQtOption(QCommandLineOption option)
    {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
};

// File names keep their bytes, UTF-8 or not (see pathText); Windows hands
// Qt its arguments as UTF-16 itself.
QStringList argumentList(int argc, char** argv)
{
#ifdef _WIN32
    if (QCoreApplication::instance())
        return QCoreApplication::arguments();
#endif
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << pathText(std::filesystem::path(argv[i]));
    return list;
}

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// --help and --version need no window, so they are answered before any
// display is looked for; the plain core application knows no platform.
int answerWithoutWindow(int argc, char** argv, const QString& applicationName, CommandLine& early)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(applicationName);
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTOR_VERSION));
    if (early.parser.isSet(early.help)) {
        print(stdout,
            early.parser.helpText()
                + "\nQt's own options are understood as well, among them -style NAME, -platform NAME and "
                  "-reverse.\n");
    } else {
        print(stdout, applicationName + ' ' + QStringLiteral(VANTOR_VERSION) + '\n');
    }
    return 0;
}

int refuseCommandLine(const char* self, const CommandLine& commandLine)
{
    print(stderr, QString::fromLocal8Bit(self) + ": " + commandLine.parser.errorText() + '\n');
    std::fprintf(stderr, "usage: %s [--screenshot FILE.png] [FILE] (see %s --help)\n", self, self);
    return 2;
}

} // namespace

QString desktopFileId(const QString& applicationName)
{
    return "org.vantormodtools." + applicationName.toLower();
}

QIcon programIcon(const QString& applicationName)
{
    loadIcons();
    const QString path = ":/icons/" + desktopFileId(applicationName) + ".svg";
    return QFile::exists(path) ? QIcon(new DeferredIconEngine(path)) : QIcon();
}

namespace {

bool writeWhole(const QString& path, const QByteArray& bytes)
{
    try {
        // Made by the program, not a game file: no backup of an older one.
        writeNewFileWhole(nativePath(path),
            std::span<const std::uint8_t>(
                reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
        return true;
    } catch (const IoError&) {
        return false;
    }
}

} // namespace

bool saveWindowPicture(QWidget& window, const QString& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QBuffer::WriteOnly); // in memory; the file is written below
    if (!window.grab().save(&buffer, "PNG"))
        return false;
    return writeWhole(path, png);
}

int runWindowProgram(int argc, char** argv, const WindowProgramDescription& program)
{
    const QString& applicationName = program.name;
    const char* self = argc > 0 ? argv[0] : "program";
    {
        // This pass decides how to start; the real one follows below, once
        // QApplication has taken its own options out.
        CommandLine early(program);
        const bool read = early.parser.parse(argumentList(argc, argv));
        if (early.parser.isSet(early.help) || early.parser.isSet(early.version))
            return answerWithoutWindow(argc, argv, applicationName, early);
        // A command line we cannot read is reported as such, display or not.
        if (!read)
            return refuseCommandLine(self, early);
        if (!hasDisplay() && !early.displayChosen()) {
            if (early.parser.isSet(early.screenshot)) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            } else {
                std::fprintf(stderr,
                    "%s needs a display, and none was found (DISPLAY and WAYLAND_DISPLAY are empty).\n"
                    "Run it inside a desktop session, or under a virtual one with: xvfb-run -a %s\n",
                    applicationName.toLocal8Bit().constData(), self);
                return 1;
            }
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(applicationName);
    QApplication::setApplicationVersion(QStringLiteral(VANTOR_VERSION));
    QGuiApplication::setDesktopFileName(desktopFileId(applicationName));
    QApplication::setWindowIcon(programIcon(applicationName));
    installTranslations();
    nameControlsOfEveryWindow();

    // QApplication has taken its own options out of the arguments by now.
    CommandLine commandLine(program);
    if (!commandLine.parser.parse(argumentList(argc, argv)))
        return refuseCommandLine(self, commandLine);
    std::optional<QString> screenshot;
    if (commandLine.parser.isSet(commandLine.screenshot))
        screenshot = commandLine.parser.value(commandLine.screenshot);

    // Every game file this run changes or removes is copied first.
    RunBackups::start(applicationName.toStdString());
    if (screenshot)
        installDialogs(std::make_unique<HeadlessDialogs>());

    std::unique_ptr<QWidget> window = program.makeWindow(commandLine.parser.positionalArguments());
    if (!window)
        return 0;
    window->show();

    if (!screenshot)
        return QApplication::exec();

    QApplication::processEvents();
    QApplication::processEvents();
    const bool saved = saveWindowPicture(*window, *screenshot);
    window->close();
    QApplication::processEvents();
    if (!saved)
        std::fprintf(stderr, "cannot write %s\n", screenshot->toLocal8Bit().constData());
    return saved ? 0 : 1;
}

} // namespace common
