// SPDX-License-Identifier: GPL-3.0-or-later
#include "vector/ui/ProgramDescription.h"

#include "vector/ui/MainWindow.h"

#include <QWidget>

#include <memory>

namespace vector {

common::WindowProgramDescription programDescription()
{
    return {QStringLiteral("vector"), QStringLiteral("[MODEL.3dz]"), QStringLiteral("The model to open."),
        [](const QStringList& arguments) -> std::unique_ptr<QWidget> {
            auto window = std::make_unique<MainWindow>();
            if (!arguments.isEmpty())
                window->openModelFile(arguments.first());
            return window;
        }};
}

} // namespace vector
