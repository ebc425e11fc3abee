// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/testing/ProgramRun.h"

#include <QString>
#include <QStringList>

#include <filesystem>

namespace vantorcli {

// The vantor the tests drive: the one built beside them, or the command
// VANTOR_COMMAND names, its words split at spaces (such as
// "wine build-windows/cli/vantor.exe", to drive the Windows build).
inline QStringList vantorCommand()
{
    const QStringList words = qEnvironmentVariable("VANTOR_COMMAND").split(' ', Qt::SkipEmptyParts);
    return words.isEmpty() ? QStringList{VANTOR_EXE} : words;
}

inline common::ProgramRun runVantor(const std::filesystem::path& workingDir, const QStringList& arguments)
{
    const QStringList words = vantorCommand();
    return common::runProgram(words.constFirst().toStdString(), workingDir, words.mid(1) + arguments);
}

inline common::ProgramRun runVantorWithFileLimit(
    const std::filesystem::path& workingDir, const QStringList& arguments, int blocks)
{
    const QStringList words = vantorCommand();
    return common::runProgramWithFileLimit(
        words.constFirst().toStdString(), workingDir, words.mid(1) + arguments, blocks);
}

} // namespace vantorcli
