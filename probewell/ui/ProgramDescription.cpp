// SPDX-License-Identifier: GPL-3.0-or-later
#include "probewell/ui/ProgramDescription.h"

#include "probewell/ui/ReportWindow.h"

#include <QWidget>

#include <memory>
#include <filesystem>
#include <system_error>

namespace probewell {

common::WindowProgramDescription programDescription()
{
    return {QStringLiteral("Probewell"), {}, {}, [](const QStringList&) -> std::unique_ptr<QWidget> {
                std::error_code ec;
                std::filesystem::path folder = std::filesystem::current_path(ec);
                return std::make_unique<ReportWindow>(ec ? std::filesystem::path(".") : folder);
            }};
}

} // namespace probewell
