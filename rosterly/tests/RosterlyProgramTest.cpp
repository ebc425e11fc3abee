// Runs the built program the way a user starts it, in a game folder.
#include "common/testing/TempDir.h"
#include "tools/demogen/RosterlyDemo.h"

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace rosterly {
namespace {

struct ProgramRun {
    int exitCode = -1;
    QString stderrText;
};

ProgramRun runRosterly(const common::TempDir& dir, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(QString::fromStdString(dir.path().string()));
    process.start(ROSTERLY_EXE, arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(RosterlyProgram, LoadsTheFileGivenOnTheCommandLine)
{
    common::TempDir dir;
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    const auto bytes = demogen::buildSquadronFile({16, 17}, 1);
    common::writeAllBytes(dir / "sqGR0001.dat", bytes);

    const ProgramRun run = runRosterly(dir, {"--screenshot", "shot.png", "sqGR0001.dat"});
    EXPECT_EQ(run.exitCode, 0) << run.stderrText.toStdString();
    EXPECT_FALSE(run.stderrText.contains("message:")) << run.stderrText.toStdString();
    EXPECT_FALSE(QImage(QString::fromStdString((dir / "shot.png").string())).isNull());
    EXPECT_EQ(common::readAllBytes(dir / "sqGR0001.dat"), bytes);

    const ProgramRun missing = runRosterly(dir, {"--screenshot", "shot.png", "sqGR0404.dat"});
    EXPECT_EQ(missing.exitCode, 0);
    EXPECT_TRUE(missing.stderrText.contains("File not found")) << missing.stderrText.toStdString();
}

TEST(RosterlyProgram, StartsWithoutPlanesTxtAfterSayingSo)
{
    common::TempDir dir;
    const ProgramRun run = runRosterly(dir, {"--screenshot", "shot.png"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.stderrText.contains("planes.txt was not found")) << run.stderrText.toStdString();
    EXPECT_FALSE(QImage(QString::fromStdString((dir / "shot.png").string())).isNull());
}

} // namespace
} // namespace rosterly
