#pragma once

#include "common/testing/ProgramRun.h"

#include <QString>
#include <QStringList>

#include <filesystem>

namespace vantorcli {

// The vantor the tests drive: the one built beside them, or the command
// VANTOR_COMMAND names, its words split at spaces (such as
// "wine build-windows/cli/vantor.exe", to drive the Windows build).
inline common::ProgramRun runVantor(const std::filesystem::path& workingDir, const QStringList& arguments)
{
    QStringList words = qEnvironmentVariable("VANTOR_COMMAND").split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return common::runProgram(VANTOR_EXE, workingDir, arguments);
    const std::string program = words.takeFirst().toStdString();
    return common::runProgram(program, workingDir, words + arguments);
}

} // namespace vantorcli
