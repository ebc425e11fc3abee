// SPDX-License-Identifier: GPL-3.0-or-later
#include "menuwright/ui/ProgramDescription.h"

#include "menuwright/ui/MenuwrightProgram.h"
#include "menuwright/ui/RectangleLocatorWindow.h"

#include <QWidget>

#include <memory>

namespace menuwright {

common::WindowProgramDescription programDescription()
{
    return {QStringLiteral("Menuwright"), QStringLiteral("[PICTURE|LAYOUT.txt...]"),
        QStringLiteral("Screen pictures and layout text files to open."),
        [](const QStringList& arguments) -> std::unique_ptr<QWidget> { return startMenuwright(arguments); }};
}

} // namespace menuwright
