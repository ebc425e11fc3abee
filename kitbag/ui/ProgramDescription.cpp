// SPDX-License-Identifier: GPL-3.0-or-later
#include "kitbag/ui/ProgramDescription.h"

#include "kitbag/ui/KitbagDocument.h"
#include "kitbag/ui/ModManagerWindow.h"

#include <QWidget>

#include <memory>

namespace kitbag {

common::WindowProgramDescription programDescription()
{
    return {QStringLiteral("Kitbag"), {}, {}, [](const QStringList&) -> std::unique_ptr<QWidget> {
                auto window = std::make_unique<ModManagerWindow>(std::make_shared<KitbagDocument>());
                window->openStartFolder();
                return window;
            }};
}

} // namespace kitbag
