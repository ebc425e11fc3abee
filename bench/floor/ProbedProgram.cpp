// SPDX-License-Identifier: GPL-3.0-or-later
// PROGRAM-probed [--widget-tree FILE] ARGUMENTS...: the window program as
// it ships, for the start-up benchmark; with --widget-tree FILE (and
// --screenshot) its first window's widgets are written to FILE as it
// closes. The shipped programs know no such option.
#include PROBED_DESCRIPTION_HEADER

#include "bench/floor/WidgetTreeOnClose.h"

#include "common/ui/WindowProgram.h"

#include <QWidget>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<char*> arguments;
    QString tree;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--widget-tree") == 0 && i + 1 < argc)
            tree = QString::fromLocal8Bit(argv[++i]);
        else
            arguments.push_back(argv[i]);
    }
    common::WindowProgramDescription program = PROBED_NAMESPACE::programDescription();
    auto written = std::make_shared<bool>(false);
    if (!tree.isEmpty()) {
        program.makeWindow = [make = program.makeWindow, tree, written](const QStringList& files) {
            std::unique_ptr<QWidget> window = make(files);
            if (window)
                window->installEventFilter(new bench::WidgetTreeOnClose(tree, written, window.get()));
            return window;
        };
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    const int status = common::runWindowProgram(count, arguments.data(), program);
    if (!tree.isEmpty() && status == 0 && !*written) {
        std::fprintf(stderr, "cannot write %s\n", tree.toLocal8Bit().constData());
        return 1;
    }
    return status;
}
