// SPDX-License-Identifier: GPL-3.0-or-later
#include "bayward/ui/ProgramDescription.h"

#include "bayward/ui/ButtonTableWindow.h"

#include <QWidget>

#include <memory>

namespace bayward {

common::WindowProgramDescription programDescription()
{
    return {QStringLiteral("Bayward"), {}, {},
        [](const QStringList&) -> std::unique_ptr<QWidget> { return std::make_unique<ButtonTableWindow>(); }};
}

} // namespace bayward
