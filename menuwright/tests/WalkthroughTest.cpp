// SPDX-License-Identifier: GPL-3.0-or-later
// A first session on the demo installation, the way a new user goes
// through it, and the real program started from the command line.
#include "WindowTestSupport.h"

#include "common/ui/ClickLabel.h"
#include "menuwright/ui/FileBrowser.h"
#include "common/ui/PictureRectangle.h"

#include "menuwright/menufile/MenuFileWriter.h"

#include "tools/demogen/DemoInstallation.h"

#include "common/testing/ProgramRun.h"
#include "tools/demogen/MenuDemo.h"

#include <QImage>
#include <QPushButton>
#include <QRadioButton>

namespace menuwright::testing {
namespace {

class Walkthrough : public ::testing::Test {
protected:
    Walkthrough()
    {
        demogen::writeDemoInstallation(dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path("settings"));
    }

    QString path(const std::string& name) const { return QString::fromStdString((dir / name).string()); }

    common::TempDir dir;
    common::ScopedScriptedDialogs dlg;
};

void clickAtLeft(QAbstractButton* b)
{
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

TEST_F(Walkthrough, PlaceButtonsMakeAxisFilesReloadAndMakeAHangarFile)
{
    CurrentFolder here(dir.path());
    auto locator = startMenuwright({});
    SelectionTableWindow& table = locator->module().pp1();

    // Axis, then its picture from the file list.
    clickAtLeft(child<QRadioButton>(locator.get(), "Option1_2"));
    ASSERT_TRUE(child<FileList>(locator.get(), "File1")->chooseFile(demogen::kDemoAxisPicture));
    auto* first = child<common::PictureRectangle>(locator.get(), "Label2_0");
    ASSERT_FALSE(first->isHidden());
    ASSERT_FALSE(child<common::PictureRectangle>(locator.get(), "Label2_7")->isHidden());

    // Move the first rectangle onto the first button of the picture and
    // size it.
    const auto buttons = demogen::demoSelectionButtons(demogen::MenuDemoSide::Axis);
    const QPoint start = first->pos();
    pressButton(first, {10, 10}, Qt::LeftButton);
    moveWithButtons(first, QPointF(10 + buttons[0].left - start.x(), 10 + buttons[0].top - start.y()), Qt::LeftButton);
    releaseButton(first, {10, 10}, Qt::LeftButton);
    pressButton(first, {20, 20}, Qt::RightButton);
    moveWithButtons(first, QPointF(buttons[0].width, buttons[0].height), Qt::RightButton);
    releaseButton(first, QPointF(buttons[0].width, buttons[0].height), Qt::RightButton);
    EXPECT_EQ(first->geometry(), QRect(buttons[0].left, buttons[0].top, buttons[0].width, buttons[0].height));
    EXPECT_EQ(text(&table, "Text3_0"), QString::number(buttons[0].left));

    // Every other row: the table shows where its rectangle is.
    QTest::mouseClick(child<QPushButton>(&table, "Command5"), Qt::LeftButton);
    EXPECT_EQ(text(&table, "Text4_10"), QString::number(child<common::PictureRectangle>(locator.get(), "Label2_10")->y()));

    dlg->files.push_back(path("my_axis.txt"));
    QTest::mouseClick(child<common::ClickLabel>(locator.get(), "Label8"), Qt::LeftButton);
    const auto menu = common::readAllBytes(dir / "picplng.mnu");
    EXPECT_EQ(menu, buildSelectionFile(table.layout(Side::Axis)));
    EXPECT_EQ(menu[26], 11);

    // Spoil a row, then load the text file back.
    setText(&table, "Text2_3", "wrong");
    setText(&table, "Text3_3", "1");
    dlg->files.push_back(path("my_axis.txt"));
    QTest::mouseClick(child<QPushButton>(locator.get(), "Command1"), Qt::LeftButton);
    EXPECT_EQ(text(&table, "Text2_3"), "FW 190D");
    EXPECT_EQ(text(&table, "Text3_0"), QString::number(buttons[0].left));
    EXPECT_TRUE(child<QRadioButton>(locator.get(), "Option1_2")->isChecked());
    EXPECT_FALSE(child<QWidget>(locator.get(), "Frame1")->isVisibleTo(locator.get()));
    EXPECT_EQ(common::readAllBytes(dir / "picplng.mnu"), buildSelectionFile(table.layout(Side::Axis)));

    // The hangar: UK, its picture, the demo layout, then the file.
    QTest::mouseClick(child<QPushButton>(locator.get(), "Command4"), Qt::LeftButton);
    HangarTableWindow& hangar = locator->module().ph1();
    ASSERT_TRUE(hangar.isVisible());
    clickAtLeft(child<QRadioButton>(&hangar, "Option1_1"));
    ASSERT_TRUE(child<FileList>(&hangar, "File1")->chooseFile(demogen::kDemoHangarPicture));
    dlg->files.push_back(path(demogen::kDemoHangarLayout));
    QTest::mouseClick(child<QPushButton>(&hangar, "Command4"), Qt::LeftButton);
    dlg->files.push_back(path("my_hangar.txt"));
    QTest::mouseClick(child<QPushButton>(&hangar, "Command1"), Qt::LeftButton);

    HangarLayout expected;
    const auto hangarButtons = demogen::demoHangarButtons();
    for (int i = 0; i < 5; ++i) {
        const auto& b = hangarButtons[i];
        expected.rows[i] = {b.caption, std::to_string(b.left), std::to_string(b.top), std::to_string(b.width),
            std::to_string(b.height)};
        EXPECT_EQ(child<common::PictureRectangle>(&hangar, indexed("Label2", i))->geometry(), QRect(b.left, b.top, b.width, b.height));
    }
    EXPECT_EQ(common::readAllBytes(dir / "hangaruk.mnu"), buildHangarFile(expected));
    EXPECT_EQ(common::readAllText(dir / "my_hangar.txt"), common::readAllText(dir / demogen::kDemoHangarLayout));
    EXPECT_EQ(dlg->unscripted, 0);
}

TEST_F(Walkthrough, ProgramStartsOnTheDemoAndRendersItsFirstWindow)
{
    const auto run = common::runProgram(MENUWRIGHT_EXE, dir.path(),
        {QString::fromLatin1(demogen::kDemoUsaPicture), QString::fromLatin1(demogen::kDemoUsaLayout), "--screenshot",
            path("shot.png")});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_EQ(run.standardError.find("message:"), std::string::npos) << run.standardError;
    const QImage shot(path("shot.png"));
    EXPECT_GE(shot.width(), 640);
    EXPECT_GE(shot.height(), 480);
    // Nothing is written by merely starting and closing.
    EXPECT_FALSE(std::filesystem::exists(dir / "picplna.mnu"));
}

} // namespace
} // namespace menuwright::testing
