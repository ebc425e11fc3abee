// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortiekit/ui/ProgramDescription.h"

#include "sortiekit/ui/BasesWindow.h"
#include "common/ui/NativePath.h"

#include <QWidget>

#include <memory>

namespace sortiekit {

common::WindowProgramDescription programDescription()
{
    return {QStringLiteral("Sortiekit"), {}, {}, [](const QStringList&) -> std::unique_ptr<QWidget> {
                return std::make_unique<BasesWindow>(common::currentFolderText());
            }};
}

} // namespace sortiekit
