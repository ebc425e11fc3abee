// SPDX-License-Identifier: GPL-3.0-or-later
#include "rosterly/ui/ProgramDescription.h"

#include "rosterly/ui/SquadronWindow.h"
#include "common/ui/NativePath.h"

#include <QWidget>

#include <memory>

namespace rosterly {

common::WindowProgramDescription programDescription()
{
    return {QStringLiteral("Rosterly"), QStringLiteral("[SQUADRON-FILE]"), QStringLiteral("The squadron file to open."),
        [](const QStringList& arguments) -> std::unique_ptr<QWidget> {
            auto window = std::make_unique<SquadronWindow>(common::currentFolderText());
            if (!arguments.isEmpty())
                window->loadSquadronFile(common::absolutePathText(arguments.first()));
            return window;
        }};
}

} // namespace rosterly
