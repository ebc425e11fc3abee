// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramRun.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace common {

ProgramRun runProgram(const std::string& executable, const std::filesystem::path& workingDir,
    const QStringList& arguments, const std::map<QString, QString>& environment)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    for (const auto& [name, value] : environment) {
        if (value.isEmpty())
            env.remove(name);
        else
            env.insert(name, value);
    }
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(QString::fromStdString(workingDir.string()));
    process.start(QString::fromStdString(executable), arguments);

    ProgramRun run;
    run.finished = process.waitForFinished(60000);
    if (!run.finished)
        process.kill();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.standardOutput = process.readAllStandardOutput().toStdString();
    run.standardError = process.readAllStandardError().toStdString();
    return run;
}

ProgramRun runProgramWithFileLimit(const std::string& executable, const std::filesystem::path& workingDir,
    const QStringList& arguments, int blocks, const std::map<QString, QString>& environment)
{
    QStringList shell{"-c", QString("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"").arg(blocks),
        QString::fromStdString(executable)};
    shell << arguments;
    return runProgram("/bin/sh", workingDir, shell, environment);
}

} // namespace common
