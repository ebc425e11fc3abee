// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordnix/ui/ProgramDescription.h"

#include "ordnix/ui/LoadoutEditorWindow.h"

#include <QWidget>

#include <memory>
#include <filesystem>
#include <optional>

namespace ordnix {

common::WindowProgramDescription programDescription()
{
    return {QStringLiteral("Ordnix"), QStringLiteral("[LOADOUT]"),
        QStringLiteral("The loadout file to open instead of loadout.dat."),
        [](const QStringList& arguments) -> std::unique_ptr<QWidget> {
            std::optional<QString> file;
            if (!arguments.isEmpty())
                file = arguments.front();
            return std::make_unique<LoadoutEditorWindow>(std::filesystem::current_path(), file);
        }};
}

} // namespace ordnix
