// SPDX-License-Identifier: GPL-3.0-or-later
#include "facetnorm/ui/ProgramDescription.h"

#include "facetnorm/ui/FacetWindow.h"

#include <QWidget>

#include <memory>

namespace facetnorm {

common::WindowProgramDescription programDescription()
{
    return {QStringLiteral("Facetnorm"), {}, {},
        [](const QStringList&) -> std::unique_ptr<QWidget> { return std::make_unique<FacetWindow>(); }};
}

} // namespace facetnorm
