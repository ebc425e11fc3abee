// Runs the built program the way a user starts it, in a game folder.
#include "common/testing/TempDir.h"
#include "tools/demogen/SortiekitDemo.h"

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <filesystem>

namespace sortiekit {
namespace {

QString runSortiekit(const common::TempDir& dir)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(QString::fromStdString(dir.path().string()));
    process.start(SORTIEKIT_EXE, {"--screenshot", "shot.png"});
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_FALSE(QImage(QString::fromStdString((dir / "shot.png").string())).isNull());
    return QString::fromLocal8Bit(process.readAllStandardError());
}

TEST(SortiekitProgram, ReadsTheGameFolderItStartsIn)
{
    common::TempDir dir;
    common::writeAllText(dir / "airbase.txt", demogen::buildAirbaseTxt());
    common::writeAllBytes(dir / "airfield.bak", demogen::buildAirfieldBak());
    const QString err = runSortiekit(dir);
    EXPECT_FALSE(err.contains("message:")) << err.toStdString();
    EXPECT_FALSE(std::filesystem::exists(dir / "airfield.dat"));

    std::filesystem::remove(dir / "airbase.txt");
    const QString missing = runSortiekit(dir);
    EXPECT_TRUE(missing.contains("airbase.txt was not found")) << missing.toStdString();
}

} // namespace
} // namespace sortiekit
