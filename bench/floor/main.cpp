// SPDX-License-Identifier: GPL-3.0-or-later
// emptywindow WIDTH HEIGHT --screenshot FILE.png: shows an empty main window
// of the given size, renders it to FILE.png and closes it, the way a
// program's --screenshot start does, so its cost is what Qt alone needs for
// a window.
// With --rows N the window holds a table view of N blank rows of three
// columns, to show what such a table costs by itself. With --widgets N it
// holds N plain widgets (label, line edit, button in turn, each with a short
// text) on tab pages of 60, the first page shown: what a form costs before
// any program code. With --form FILE it is the form a program's
// --widget-tree wrote: the same widgets, texts and contents in bare Qt,
// with none of the program's code.
// emptywindow --bare: only creates the application object and leaves.
#include "FormBuilder.h"
#include "TextRowsModel.h"

#include "common/ui/WindowProgram.h"

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

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
    int width = 0;
    int height = 0;
    int rows = -1;
    int widgets = -1;
    const char* picture = nullptr;
    const char* form = nullptr;
    bool bad = argc < 3;
    if (!bad) {
        width = std::atoi(argv[1]);
        height = std::atoi(argv[2]);
    }
    for (int i = 3; i + 1 < argc && !bad; i += 2) {
        const std::string option = argv[i];
        if (option == "--rows")
            rows = std::atoi(argv[i + 1]);
        else if (option == "--widgets")
            widgets = std::atoi(argv[i + 1]);
        else if (option == "--form")
            form = argv[i + 1];
        else if (option == "--screenshot")
            picture = argv[i + 1];
        else
            bad = true;
    }
    if (bad || argc % 2 == 0 || picture == nullptr || width <= 0 || height <= 0) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT [--rows N | --widgets N | --form FILE] --screenshot FILE.png | --bare\n", argv[0]);
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("emptywindow");
    // The form, when given, is the whole window: no empty main window is
    // made beside it.
    std::unique_ptr<QWidget> shownWindow;
    if (form != nullptr) {
        QFile file(QString::fromLocal8Bit(form));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", form);
            return 1;
        }
        shownWindow.reset(bench::buildForm(QString::fromUtf8(file.readAll()).split('\n')));
        if (!shownWindow) {
            std::fprintf(stderr, "%s holds no widgets\n", form);
            return 1;
        }
    } else {
        auto window = std::make_unique<QMainWindow>();
        if (rows >= 0) {
            auto* table = new QTableView(window.get());
            // Numbered columns and rows, no contents.
            table->setModel(new bench::TextRowsModel(rows, {"1", "2", "3"}, {}, {}, table));
            window->setCentralWidget(table);
        }
        if (widgets >= 0) {
            constexpr int kPerPage = 60;
            auto* pages = new QTabWidget(window.get());
            QGridLayout* grid = nullptr;
            for (int i = 0; i < widgets; ++i) {
                if (i % kPerPage == 0) {
                    auto* page = new QWidget;
                    grid = new QGridLayout(page);
                    pages->addTab(page, QString("Page %1").arg(i / kPerPage + 1));
                }
                const int k = i % kPerPage;
                QWidget* w = nullptr;
                switch (i % 3) {
                case 0: w = new QLabel(QString("Value %1").arg(i)); break;
                case 1: w = new QLineEdit(QString::number(i * 0.25)); break;
                default: w = new QPushButton(QString("Button %1").arg(i)); break;
                }
                grid->addWidget(w, k / 6, k % 6);
            }
            window->setCentralWidget(pages);
        }
        shownWindow = std::move(window);
    }
    QWidget& shown = *shownWindow;
    shown.resize(width, height);
    shown.show();
    // The same event rounds as a program's --screenshot start.
    QApplication::processEvents();
    QApplication::processEvents();
    const bool saved = common::saveWindowPicture(shown, QString::fromLocal8Bit(picture));
    shown.close();
    QApplication::processEvents();
    if (!saved) {
        std::fprintf(stderr, "cannot write %s\n", picture);
        return 1;
    }
    return 0;
}
