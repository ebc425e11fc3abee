// SPDX-License-Identifier: GPL-3.0-or-later
#include "facetnorm/ui/FacetWindow.h"

#include "common/testing/AccessibleNameCheck.h"
#include "common/ui/AccessibleNames.h"
#include "common/testing/ProgramRun.h"
#include "common/testing/ScriptedDialogs.h"
#include "common/testing/TempDir.h"
#include "common/testing/WindowKeys.h"

#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>

#include <gtest/gtest.h>

namespace facetnorm {
namespace {

class FacetnormWindow : public ::testing::Test {
protected:
    void SetUp() override { window.show(); }

    template <typename T = QLineEdit>
    T* find(const QString& name)
    {
        T* w = window.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    // Rows Nod 1 to Nod 3, columns headed Y-coord, Z-coord, X-coord.
    void type(const std::array<const char*, 9>& rowWise)
    {
        const char* columns[3] = {"x", "y", "z"};
        for (int row = 0; row < 3; ++row)
            for (int c = 0; c < 3; ++c) {
                QLineEdit* edit = find(QString("%1%2").arg(columns[c]).arg(row + 1));
                edit->clear();
                QTest::keyClicks(edit, rowWise[row * 3 + c]);
            }
    }

    QStringList results() { return {find("x4")->text(), find("y4")->text(), find("z4")->text()}; }
    void click(const char* name) { find<QPushButton>(name)->click(); }

    common::ScopedScriptedDialogs dlg;
    FacetWindow window;
};

// True when the field's text fits between its frame and starts at its left
// edge, so that no sign or digit is hidden.
bool showsWholeText(const QLineEdit* edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    return contents.width() - 4 >= edit->fontMetrics().horizontalAdvance(edit->text()) && edit->cursorPosition() == 0;
}

TEST_F(FacetnormWindow, ResultFieldsShowTheWholeLongestResult)
{
    find<QRadioButton>("LS")->setChecked(true);
    type({"0", "0", "0", "1", "0", "0", "0", "1", "0.000000001"});
    click("Command1");
    ASSERT_TRUE(results()[1].startsWith("-1") && results()[1].contains("E-05", Qt::CaseInsensitive))
        << results()[1].toStdString();
    for (const char* name : {"x4", "y4", "z4"})
        EXPECT_TRUE(showsWholeText(find(name))) << name << ": " << find(name)->text().toStdString();
}

TEST_F(FacetnormWindow, OpensWithEmptyNodesAndRightSelected)
{
    EXPECT_EQ(window.objectName(), "Form1");
    EXPECT_EQ(window.windowTitle(), "Vector calculation for Vantor 3dz files v.1.2 — Facetnorm");
    for (const char* name : {"x1", "y1", "z1", "x2", "y2", "z2", "x3", "y3", "z3"})
        EXPECT_EQ(find(name)->text(), "") << name;
    EXPECT_EQ(results(), QStringList({"0", "0", "0"}));
    EXPECT_TRUE(find<QRadioButton>("RS")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("LS")->isChecked());
    EXPECT_EQ(find<QGroupBox>("Frame1")->title(), "Result");
    EXPECT_EQ(find<QGroupBox>("Frame2")->title(), "Plane side");
    EXPECT_EQ(find<QPushButton>("Command1")->text(), "&Calculate");
    EXPECT_EQ(find<QPushButton>("Command2")->text(), "C&lear");
}

TEST_F(FacetnormWindow, CtrlQCloses)
{
    ASSERT_TRUE(common::pressKeys(window, QKeySequence("Ctrl+Q")));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FacetnormWindow, SideDecidesTheDirection)
{
    type({"0", "0", "0", "1", "0", "0", "0", "1", "0"});
    click("Command1");
    EXPECT_EQ(results(), QStringList({"0", "0", "-16384"}));
    QTest::mouseClick(find<QRadioButton>("LS"), Qt::LeftButton);
    click("Command1");
    EXPECT_EQ(results(), QStringList({"0", "0", "16384"}));

    // A fraction and the Enter key.
    const QString point = QLocale().decimalPoint();
    type({"0", "0", "0", "1", "0", "0", "0", "1", "1"});
    QTest::keyClick(find("z3"), Qt::Key_Return);
    EXPECT_EQ(results(), QStringList({"0", "-11585" + point + "24", "11585" + point + "24"}));
    EXPECT_TRUE(dlg->events.empty());
}

TEST_F(FacetnormWindow, CalculateRightAfterClearIsRefused)
{
    type({"0", "0", "0", "1", "0", "0", "0", "1", "0"});
    click("Command1");
    click("Command2");
    for (const char* name : {"x1", "y2", "z3", "x4", "y4", "z4"})
        EXPECT_EQ(find(name)->text(), " ") << name;
    click("Command1");
    ASSERT_EQ(dlg->texts().size(), 1);
    EXPECT_EQ(dlg->texts()[0], "Nod 1, Y-coord: The field is empty.");
    EXPECT_EQ(results(), QStringList({" ", " ", " "}));
}

TEST_F(FacetnormWindow, AWordOrAnOverflowChangesNoResult)
{
    type({"0", "0", "0", "1", "0", "0", "0", "1", "0"});
    click("Command1");
    type({"0", "0", "0", "1", "zero", "0", "0", "1", "0"});
    click("Command1");
    type({"-3e38", "0", "0", "3e38", "0", "0", "0", "1", "0"});
    click("Command1");
    ASSERT_EQ(dlg->texts().size(), 2);
    EXPECT_EQ(dlg->texts()[0], "Nod 2, Z-coord: \"zero\" is not a number.");
    EXPECT_TRUE(dlg->texts()[1].startsWith("This facet cannot be calculated")) << dlg->texts()[1].toStdString();
    EXPECT_EQ(results(), QStringList({"0", "0", "-16384"}));
}

TEST(FacetnormProgram, ScreenshotRunsWithoutMessages)
{
    common::TempDir dir;
    const auto run = common::runProgram(FACETNORM_EXECUTABLE, dir.path(), {"--screenshot", "shot.png"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    const QImage shot(QString::fromStdString((dir / "shot.png").string()));
    EXPECT_FALSE(shot.isNull());
    EXPECT_GT(shot.width(), 300);
}


// A screen reader hears each control by its label, and no two alike.
TEST_F(FacetnormWindow, EveryControlHasTheAccessibleNameOfItsLabel)
{
    common::nameControlsByLabels(window);
    EXPECT_EQ(common::accessibleNameFaults(window).join("\n").toStdString(), "");
}

} // namespace
} // namespace facetnorm
