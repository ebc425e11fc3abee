// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/ui/ProgramDescription.h"

#include "wingsmith/ui/MainWindow.h"

#include <QWidget>

#include <memory>

namespace wingsmith {

common::WindowProgramDescription programDescription()
{
    return {QStringLiteral("Wingsmith"), {}, {}, [](const QStringList&) -> std::unique_ptr<QWidget> {
                return std::make_unique<MainWindow>(Settings(Settings::defaultLocation()));
            }};
}

} // namespace wingsmith
