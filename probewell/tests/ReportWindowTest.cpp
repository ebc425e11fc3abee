// SPDX-License-Identifier: GPL-3.0-or-later
#include "probewell/ui/ReportWindow.h"

#include "common/testing/AccessibleNameCheck.h"
#include "common/ui/AccessibleNames.h"
#include "common/testing/ProgramRun.h"
#include "common/testing/ScriptedDialogs.h"
#include "common/testing/TempDir.h"
#include "common/testing/WindowKeys.h"
#include "tools/demogen/DemoInstallation.h"
#include "Unprivileged.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace probewell {
namespace {

namespace fs = std::filesystem;

struct Window {
    explicit Window(const fs::path& game) : form(game)
    {
        form.show();
        label1 = form.findChild<QLabel*>("Label1");
        notice = form.findChild<QLabel*>("lblNotice");
        command1 = form.findChild<QPushButton*>("Command1");
    }
    ReportWindow form;
    QLabel* label1 = nullptr;
    QLabel* notice = nullptr;
    QPushButton* command1 = nullptr;
};

TEST(ReportWindow, ShowsTheAssumptionsAndTheButtonInItsFrame)
{
    common::TempDir game;
    fs::create_directories(game / "Nimbar");
    Window w(game.path());
    EXPECT_EQ(w.form.objectName(), "Form1");
    EXPECT_EQ(w.form.windowTitle(), "Installation Report — Probewell");
    ASSERT_TRUE(w.label1 && w.command1 && w.notice);
    EXPECT_EQ(w.command1->text(), "&OK!");
    ASSERT_TRUE(w.command1->parentWidget());
    EXPECT_EQ(w.command1->parentWidget()->objectName(), "Frame1");

    const QStringList lines = w.label1->text().split('\n');
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], "Running this program assumes that:");
    EXPECT_EQ(lines[1], "1.  It is located in your main Vantor directory");
    EXPECT_EQ(lines[2], "2.  Your Nimbar directory is named 'Nimbar' and it is also located in your Vantor     directory");
    EXPECT_EQ(lines[3], "If not, then hit the close box!");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "Hitting the 'OK' button will make a file named 'Probewell.txt' in your Vantor directory.");
    EXPECT_TRUE(w.notice->isHidden());
}

TEST(ReportWindow, SaysBeforeTheClickThatTheAddonFolderIsMissing)
{
    common::TempDir game;
    Window w(game.path());
    ASSERT_TRUE(w.notice);
    EXPECT_TRUE(w.notice->isVisible());
    EXPECT_TRUE(w.notice->text().contains("no folder named 'Nimbar'"));
    EXPECT_FALSE(fs::exists(game / "Probewell.txt"));

    QTest::mouseClick(w.command1, Qt::LeftButton);
    EXPECT_TRUE(fs::exists(game / "Probewell.txt"));
    EXPECT_FALSE(w.form.isVisible());
}

TEST(ReportWindow, OkWritesTheReportAndEndsWithoutAnyMessage)
{
    common::TempDir game;
    common::writeAllText(game / "LastNimbarDir", "Nimbar\\Summer44");
    fs::create_directories(game / "Nimbar");
    common::ScopedScriptedDialogs dlg;
    Window w(game.path());

    QTest::mouseClick(w.command1, Qt::LeftButton);
    EXPECT_FALSE(w.form.isVisible());
    EXPECT_TRUE(dlg->events.empty());
    const std::string report = common::readAllText(game / "Probewell.txt");
    EXPECT_EQ(report.rfind("*****Vantor DIRECTORY FOLDERS\r\n" + (game / "Nimbar").string() + "\r\n\r\n", 0), 0u);
    EXPECT_NE(report.find("*****LASTNIMBARDIR\r\nNimbar\\Summer44\r\n\r\n*****FOLDERSLOADED\r\nNo FoldersLoaded\r\n"),
        std::string::npos);
}

TEST(ReportWindow, CtrlQEndsWithoutWritingAndCtrlSWritesNamingTheReport)
{
    common::TempDir game;
    fs::create_directories(game / "Nimbar");
    {
        Window w(game.path());
        ASSERT_TRUE(common::pressKeys(w.form, QKeySequence("Ctrl+Q")));
        EXPECT_FALSE(w.form.isVisible());
        EXPECT_FALSE(fs::exists(game / "Probewell.txt"));
    }
    Window w(game.path());
    ASSERT_TRUE(common::pressKeys(w.form, QKeySequence("Ctrl+S")));
    EXPECT_TRUE(fs::exists(game / "Probewell.txt"));
    EXPECT_FALSE(w.form.isVisible());
    const QString status = w.form.findChild<QLabel*>("lblStatus")->text();
    EXPECT_TRUE(status.contains(QString::fromStdString((game / "Probewell.txt").string()))) << status.toStdString();
}

TEST(ReportWindow, CloseBoxEndsWithoutWriting)
{
    common::TempDir game;
    Window w(game.path());
    EXPECT_TRUE(w.form.close());
    EXPECT_FALSE(fs::exists(game / "Probewell.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(game.path()), fs::directory_iterator()), 0);
}

TEST(ReportWindow, AFailedWriteKeepsTheWindowOpenAndSaysWhy)
{
    common::TempDir game;
    fs::create_directories(game / "Nimbar");
    fs::create_directories(game / "Probewell.txt");
    Window w(game.path());
    QTest::mouseClick(w.command1, Qt::LeftButton);
    EXPECT_TRUE(w.form.isVisible());
    EXPECT_TRUE(w.notice->isVisible());
    EXPECT_EQ(w.notice->text(), "Cannot write Probewell.txt: File access denied");
}

TEST(ReportWindow, AnUnlistableAddonFolderIsNamedAndTheReportStillWritten)
{
    common::TempDir game;
    fs::create_directories(game / "Nimbar");
    fs::permissions(game.path(), fs::perms::all);
    fs::permissions(game / "Nimbar", fs::perms::none);
    runWithoutRoot([&] {
        Window w(game.path());
        QTest::mouseClick(w.command1, Qt::LeftButton);
        EXPECT_TRUE(fs::exists(game / "Probewell.txt"));
        EXPECT_TRUE(w.notice->isVisible());
        EXPECT_FALSE(w.notice->text().contains("Cannot write")) << w.notice->text().toStdString();
        EXPECT_TRUE(w.notice->text().contains(QString::fromStdString((game / "Nimbar").string()) + " could not be listed: File access denied"))
            << w.notice->text().toStdString();
    });
    fs::permissions(game / "Nimbar", fs::perms::owner_all);
}

struct PaletteCase {
    const char* name;
    QColor window;
};

void PrintTo(const PaletteCase& c, std::ostream* os)
{
    *os << c.name;
}

class NoticeColour : public ::testing::TestWithParam<PaletteCase> {};

double luminance(const QColor& c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

TEST_P(NoticeColour, ReadsAtLeastFourAndAHalfToOneOnTheWindow)
{
    common::TempDir game; // no Nimbar: the notice shows at once
    QPalette palette;
    palette.setColor(QPalette::Window, GetParam().window);
    ReportWindow form(game.path());
    form.setPalette(palette);
    auto* notice = form.findChild<QLabel*>("lblNotice");
    const QColor text = notice->palette().color(QPalette::WindowText);
    const QColor back = GetParam().window;
    const double a = luminance(text), b = luminance(back);
    EXPECT_GE((std::max(a, b) + 0.05) / (std::min(a, b) + 0.05), 4.5) << text.name().toStdString();
    EXPECT_GT(text.red(), text.green() + 60) << "still a red: " << text.name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(ReportWindow, NoticeColour,
    ::testing::Values(PaletteCase{"Light", QColor(240, 240, 240)}, PaletteCase{"Dark", QColor(0x35, 0x35, 0x35)},
        PaletteCase{"Black", QColor(0, 0, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProbewellProgram, ScreenshotRunOnTheDemoInstallationWritesNothing)
{
    common::TempDir game;
    demogen::writeDemoInstallation(game.path());
    const auto before = std::distance(fs::directory_iterator(game.path()), fs::directory_iterator());
    const fs::path picture = game / "shot.png";

    const auto run = common::runProgram(PROBEWELL_EXE, game.path(), {"--screenshot", QString::fromStdString(picture.string())});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_FALSE(QImage(QString::fromStdString(picture.string())).isNull());
    EXPECT_FALSE(fs::exists(game / "Probewell.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(game.path()), fs::directory_iterator()), before + 1);
}


TEST(ReportWindow, EveryControlHasTheAccessibleNameOfItsLabel)
{
    common::TempDir game;
    fs::create_directories(game / "Nimbar");
    Window w(game.path());
    common::nameControlsByLabels(w.form);
    EXPECT_EQ(common::accessibleNameFaults(w.form).join("\n").toStdString(), "");
}

} // namespace
} // namespace probewell
