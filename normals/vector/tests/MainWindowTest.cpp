// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestModelFile.h"
#include "WindowTestSupport.h"

#include "vector/ui/FileWindow.h"
#include "vector/ui/MainWindow.h"
#include "vector/ui/ModelPreview.h"
#include "vector/ui/OpenModelWindow.h"
#include "vector/ui/SaveNormalsWindow.h"

#include "common/testing/AccessibleNameCheck.h"
#include "common/ui/AccessibleNames.h"
#include "common/testing/ScriptedDialogs.h"
#include "common/testing/TempDir.h"
#include "common/testing/WindowKeys.h"
#include "tools/demogen/NormalsDemo.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QStatusBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace vector {
namespace {

using testing::qpath;

class VectorWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        common::writeAllBytes(dir / "sparrow.3dz", demogen::buildDemoSparrow());
        common::writeAllBytes(dir / "box.3dz", demogen::buildDemoBox());
        common::writeAllText(dir / "readme.txt", "not a model\r\n");
        window.show();
        open3dz()->setFolder(qpath(dir.path()));
        save3dz()->setFolder(qpath(dir.path()));
    }

    template <typename T = QLineEdit>
    T* find(const QString& name, QObject* in = nullptr)
    {
        T* w = (in ? in : static_cast<QObject*>(&window))->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    FileWindow* open3dz() { return &window.openWindow(); }
    FileWindow* save3dz() { return &window.saveWindow(); }
    void menu(const char* name) { find<QAction>(name)->trigger(); }
    void click(const QString& name, QObject* in = nullptr) { find<QPushButton>(name, in)->click(); }

    // Opens a model through the open window by clicking it in the file list.
    void openByList(const QString& file)
    {
        menu("Open");
        ASSERT_TRUE(open3dz()->isVisible());
        auto* list = find<QListWidget>("File1", open3dz());
        const auto items = list->findItems(file, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << file.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
        ASSERT_EQ(find("Text1", open3dz())->text(), file);
        click("OKButton", open3dz());
    }

    void typeFacet(const std::array<const char*, 9>& rowWise)
    {
        // Text6-8 are column y, Text9-11 column z, Text12-14 column x.
        for (int row = 0; row < 3; ++row)
            for (int c = 0; c < 3; ++c)
                find(QString("Text%1").arg(6 + 3 * c + row))->setText(rowWise[row * 3 + c]);
    }

    QStringList results() { return {find("Text15")->text(), find("Text16")->text(), find("Text17")->text()}; }

    common::TempDir dir;
    common::ScopedScriptedDialogs dlg;
    MainWindow window;
};

TEST_F(VectorWindow, StartsEmptyWithItsCaptions)
{
    EXPECT_EQ(window.objectName(), "Form1");
    EXPECT_EQ(window.windowTitle(), "Vector calculator ver 2.0 — vector");
    for (const char* name : {"text1", "Text2", "Text3", "Text4"})
        EXPECT_EQ(find(name)->text(), "") << name;
    for (int i = 6; i <= 17; ++i)
        EXPECT_EQ(find(QString("Text%1").arg(i))->text(), "0") << i;
    EXPECT_EQ(find<QPushButton>("Command1")->text(), "&Calculate ");
    EXPECT_EQ(find<QPushButton>("Command2")->text(), "Calculate nor&mals");
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->maximum(), 255);
    EXPECT_EQ(open3dz()->windowTitle(), "Open 3dz file");
    EXPECT_EQ(save3dz()->windowTitle(), "Save normals as text file");
    EXPECT_EQ(find("Text1", open3dz())->text(), "*.3dz");
    EXPECT_EQ(find("Text1", save3dz())->text(), "temp.txt");
}

TEST_F(VectorWindow, OpenCalculateAndSaveThroughTheWindows)
{
    openByList("sparrow.3dz");
    EXPECT_FALSE(open3dz()->isVisible());
    EXPECT_EQ(find("Text4")->text(), "sparrow.3dz");
    EXPECT_EQ(find("text1")->text(), "3");
    EXPECT_EQ(find("Text2")->text(), "20");
    EXPECT_EQ(find("Text3")->text(), "19");

    click("Command2");
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 18);
    EXPECT_NE(window.model().elements[0], (ElementRecord{0, 0, 0, window.model().elements[0][3],
                                              window.model().elements[0][4], window.model().elements[0][5]}));

    menu("save");
    ASSERT_TRUE(save3dz()->isVisible());
    click("OKButton", save3dz());
    EXPECT_FALSE(save3dz()->isVisible());
    EXPECT_EQ(find<QProgressBar>("ProgressBar1", save3dz())->value(), 18);
    const std::string text = common::readAllText(dir / "temp.txt");
    EXPECT_EQ(text.rfind(";normal       Y             Z             X\r\nN000=", 0), 0u) << text;
    EXPECT_NE(text.find("\r\nN018=      0  16384      0"), std::string::npos) << "the nose light keeps its normal";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 20);
    EXPECT_TRUE(dlg->events.empty());
}

// Calculated normals are no unsaved work (they come again from the model in
// one click): no marker, and Exit asks nothing, before a save or after.
TEST_F(VectorWindow, TitleNamesTheModelAndNeitherMarksNorAsksAboutNormalsWithTheShortcuts)
{
    ASSERT_TRUE(common::pressKeys(window, QKeySequence("Ctrl+O")));
    EXPECT_TRUE(open3dz()->isVisible());
    openByList("sparrow.3dz");
    EXPECT_EQ(window.windowTitle(), "sparrow.3dz — Vector calculator ver 2.0 — vector");
    click("Command2");
    EXPECT_FALSE(window.isWindowModified());

    ASSERT_TRUE(common::pressKeys(window, QKeySequence("Ctrl+S")));
    ASSERT_TRUE(save3dz()->isVisible());
    click("OKButton", save3dz());
    ASSERT_TRUE(std::filesystem::exists(dir / "temp.txt"));
    EXPECT_FALSE(window.isWindowModified());
    const QString status = window.statusBar()->currentMessage();
    EXPECT_TRUE(status.contains(QDir::toNativeSeparators(qpath(dir / "temp.txt")))) << status.toStdString();

    click("Command2");
    EXPECT_FALSE(window.isWindowModified());
    ASSERT_TRUE(common::pressKeys(window, QKeySequence("Ctrl+Q")));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(dlg->events.empty());
}

TEST_F(VectorWindow, OpenAndSaveWindowsStartInTheirLastFoldersInANewWindow)
{
    std::filesystem::create_directories(dir / "models");
    std::filesystem::create_directories(dir / "out");
    common::writeAllBytes(dir / "models" / "box.3dz", demogen::buildDemoBox());
    ASSERT_TRUE(open3dz()->setFolder(qpath(dir / "models")));
    openByList("box.3dz");
    ASSERT_EQ(find("Text4")->text(), "box.3dz");
    ASSERT_TRUE(save3dz()->setFolder(qpath(dir / "out")));
    menu("save");
    click("OKButton", save3dz());
    ASSERT_TRUE(std::filesystem::exists(dir / "out" / "temp.txt"));

    MainWindow next;
    const auto canonical = [](const QString& folder) { return QFileInfo(folder).canonicalFilePath(); };
    EXPECT_EQ(canonical(next.openWindow().folder()), canonical(qpath(dir / "models")));
    EXPECT_EQ(canonical(next.saveWindow().folder()), canonical(qpath(dir / "out")));
}

TEST_F(VectorWindow, FullModelTakesBothProgressBarsTo254)
{
    testing::TestModelFile f;
    f.nodes = {{0, 0, 0, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}};
    for (int e = 0; e < 255; ++e) {
        f.elements.push_back({0, 0, 0, 1, 2, 3});
        f.polygons.push_back(testing::type3({0, 1, 2}));
    }
    common::writeAllBytes(dir / "full.3dz", f.bytes());
    openByList("full.3dz");
    EXPECT_EQ(find("Text3")->text(), "255");
    click("Command2");
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 254);
    menu("save");
    find("Text1", save3dz())->setText("full.txt");
    click("OKButton", save3dz());
    EXPECT_EQ(find<QProgressBar>("ProgressBar1", save3dz())->value(), 254);
    const std::string text = common::readAllText(dir / "full.txt");
    EXPECT_NE(text.find("\r\nN254=      0      0 -16384      1      2      3\r\n"), std::string::npos);
    EXPECT_TRUE(dlg->events.empty());
}

TEST_F(VectorWindow, OpenWithoutANameSaysSoAndCloses)
{
    menu("Open");
    find("Text1", open3dz())->clear();
    click("OKButton", open3dz());
    ASSERT_EQ(dlg->events.size(), 1u);
    EXPECT_EQ(dlg->events[0].title, "Error");
    EXPECT_EQ(dlg->events[0].text, "No file name");
    EXPECT_FALSE(open3dz()->isVisible());
    EXPECT_EQ(find("Text4")->text(), "");
}

TEST_F(VectorWindow, OpenWithoutAChoiceTakesATypedNameThatExists)
{
    menu("Open");
    find("Text1", open3dz())->setText("nothere.3dz");
    click("OKButton", open3dz());
    ASSERT_EQ(dlg->texts().size(), 1);
    EXPECT_TRUE(dlg->texts()[0].contains("no file \"nothere.3dz\"")) << dlg->texts()[0].toStdString();
    EXPECT_TRUE(open3dz()->isVisible());

    find("Text1", open3dz())->setText("BOX.3DZ");
    click("OKButton", open3dz());
    EXPECT_EQ(dlg->texts().size(), 1);
    EXPECT_FALSE(open3dz()->isVisible());
    EXPECT_EQ(find("Text4")->text(), "box.3dz");
    EXPECT_EQ(find("Text3")->text(), "6");
}

TEST_F(VectorWindow, ARefusedModelLeavesTheShownOneAsItWas)
{
    openByList("box.3dz");
    const Model before = window.model();
    auto f = testing::triangles({{{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}}});
    f.forcedOffsets = {{0, -32768}};
    common::writeAllBytes(dir / "broken.3dz", f.bytes());

    openByList("broken.3dz");
    ASSERT_EQ(dlg->texts().size(), 1);
    EXPECT_EQ(dlg->events[0].title, "Error");
    EXPECT_TRUE(dlg->texts()[0].contains("position -32768")) << dlg->texts()[0].toStdString();
    EXPECT_TRUE(open3dz()->isVisible());
    EXPECT_EQ(find("Text4")->text(), "box.3dz");
    EXPECT_EQ(find("Text2")->text(), "8");
    EXPECT_EQ(window.model().elements, before.elements);
    EXPECT_EQ(window.model().nodes, before.nodes);
    EXPECT_EQ(window.model().fileName, "box.3dz");
}

TEST_F(VectorWindow, CalculationOutOfRangeChangesNoNormal)
{
    const auto f = testing::triangles({{{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}}, {{{0, 0, 0}, {0, 300, 0}, {0, 0, 300}}}});
    common::writeAllBytes(dir / "huge.3dz", f.bytes());
    openByList("huge.3dz");
    const auto before = window.model().elements;
    click("Command2");
    ASSERT_EQ(dlg->texts().size(), 1);
    EXPECT_TRUE(dlg->texts()[0].startsWith("Element 1 (nodes 3, 4, 5)")) << dlg->texts()[0].toStdString();
    EXPECT_EQ(window.model().elements, before);
}

TEST_F(VectorWindow, SaveNeedsANameAndReportsAFailedWrite)
{
    menu("save");
    find("Text1", save3dz())->clear();
    click("OKButton", save3dz());
    ASSERT_EQ(dlg->events.size(), 1u);
    EXPECT_EQ(dlg->events[0].title, "Error");
    EXPECT_EQ(dlg->events[0].text, "No file name");
    EXPECT_TRUE(save3dz()->isVisible());

    find("Text1", save3dz())->setText("missing/out.txt");
    click("OKButton", save3dz());
    ASSERT_EQ(dlg->texts().size(), 2);
    EXPECT_TRUE(dlg->texts()[1].startsWith("Cannot write ")) << dlg->texts()[1].toStdString();
    EXPECT_TRUE(save3dz()->isVisible());

    // Clicking a listed file takes its name; with no model the file holds
    // only the header.
    auto* list = find<QListWidget>("File1", save3dz());
    ASSERT_EQ(list->count(), 1);
    list->item(0)->setSelected(true);
    EXPECT_EQ(find("Text1", save3dz())->text(), "readme.txt");
    dlg->answers.push_back(common::Answer::Yes);
    click("OKButton", save3dz());
    EXPECT_EQ(common::readAllText(dir / "readme.txt"), ";normal       Y             Z             X\r\n");
}

TEST_F(VectorWindow, SaveAsksBeforeReplacingAFileAndAddsTxtToABareName)
{
    common::writeAllText(dir / "Mounts.txt", "another tool's list\r\n");
    menu("save");
    find("Text1", save3dz())->setText("Mounts");
    click("OKButton", save3dz()); // unanswered: No
    ASSERT_EQ(dlg->events.size(), 1u);
    EXPECT_EQ(dlg->events[0].kind, common::ScriptedDialogs::Kind::Question);
    EXPECT_TRUE(dlg->events[0].text.contains("Mounts.txt already exists")) << dlg->events[0].text.toStdString();
    EXPECT_EQ(common::readAllText(dir / "Mounts.txt"), "another tool's list\r\n");
    EXPECT_TRUE(save3dz()->isVisible());

    find("Text1", save3dz())->setText("fresh");
    click("OKButton", save3dz());
    EXPECT_EQ(dlg->events.size(), 1u);
    EXPECT_EQ(find("Text1", save3dz())->text(), "fresh.txt");
    EXPECT_EQ(common::readAllText(dir / "fresh.txt"), ";normal       Y             Z             X\r\n");
}

TEST_F(VectorWindow, SaveRefusedByTheFileSystemNamesTheFile)
{
    std::filesystem::create_directories(dir / "taken.txt"); // a folder where the file should go
    menu("save");
    find("Text1", save3dz())->setText("taken.txt");
    click("OKButton", save3dz());
    ASSERT_EQ(dlg->texts().size(), 1);
    EXPECT_TRUE(dlg->texts()[0].contains("taken.txt")) << dlg->texts()[0].toStdString();
    EXPECT_TRUE(dlg->texts()[0].contains("File access denied")) << dlg->texts()[0].toStdString();
    EXPECT_TRUE(save3dz()->isVisible());
}

TEST_F(VectorWindow, ChoosingTheShownFolderAgainListsFilesSavedMeanwhile)
{
    menu("save");
    common::writeAllText(dir / "later.txt", "");
    auto* Dir1 = find<QListWidget>("Dir1", save3dz());
    auto* current = Dir1->currentItem();
    ASSERT_NE(current, nullptr);
    emit Dir1->itemActivated(current);
    EXPECT_EQ(find<QListWidget>("File1", save3dz())->findItems("later.txt", Qt::MatchExactly).size(), 1);
}

TEST_F(VectorWindow, ProgressBarsEndFullAndSayHowFarTheyGot)
{
    openByList("sparrow.3dz");
    auto* bar = find<QProgressBar>("ProgressBar1");
    EXPECT_TRUE(bar->isTextVisible());
    EXPECT_EQ(bar->text(), "0 of 19 elements");
    click("Command2");
    EXPECT_EQ(bar->value(), 18);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(bar->text(), "19 of 19 elements");
    menu("save");
    click("OKButton", save3dz());
    auto* saveBar = find<QProgressBar>("ProgressBar1", save3dz());
    EXPECT_EQ(saveBar->value(), saveBar->maximum());
    EXPECT_EQ(saveBar->text(), "19 of 19 lines");
}

TEST_F(VectorWindow, ResultFieldsShowTheWholeLongestResult)
{
    typeFacet({"0", "0", "0", "1", "0", "0", "0", "1", "1"});
    click("Command1");
    ASSERT_EQ(results()[2].left(7), "-11585.");
    for (const char* name : {"Text15", "Text16", "Text17"}) {
        QLineEdit* edit = find(name);
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.rect = edit->rect();
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        // Room for a sign and 15 digits with point and exponent, and the start in view.
        EXPECT_GE(contents.width() - 4, edit->fontMetrics().horizontalAdvance("-1.23456789012345E-05")) << name;
        EXPECT_EQ(edit->cursorPosition(), 0) << name;
    }
}

TEST_F(VectorWindow, PreviewShowsAFlippedFaceDarkOutlinedAndCounted)
{
    constexpr int kTop = 2; // the box's +y face, seen from above at first
    common::writeAllBytes(dir / "flipped.3dz", testing::withFlippedNormal(demogen::buildDemoBox(), kTop));
    openByList("flipped.3dz");
    EXPECT_EQ(find<QLabel>("NormalCount")->text(), "1 of 6 normals point another way than their polygon's nodes");

    auto* preview = find<ModelPreview>("Preview");
    const auto at = [&](int element) {
        for (const ScenePolygon& p : preview->scene())
            if (p.element == element)
                return p;
        ADD_FAILURE() << "element " << element << " is not drawn";
        return ScenePolygon{};
    };
    const QImage shot = preview->grab().toImage();
    const auto brightness = [&](const Vector3& p) { return qGray(shot.pixel(int(p.x), int(p.y))); };
    const ScenePolygon top = at(kTop);
    EXPECT_LT(brightness(top.normalFrom) * 3, brightness(at(0).normalFrom)) << "dark against the lit +x face";
    EXPECT_LT(brightness(top.normalFrom) * 3, brightness(at(4).normalFrom)) << "dark against the lit +z face";
    // Its outline, where no nearer face covers it, is in the warning colour.
    int outlined = 0;
    for (std::size_t i = 0; i < top.corners.size(); ++i) {
        const Vector3 a = top.corners[i];
        const Vector3 b = top.corners[(i + 1) % top.corners.size()];
        const QColor c = shot.pixelColor(int((a.x + b.x) / 2), int((a.y + b.y) / 2));
        outlined += c.red() > 200 && c.green() > 90 && c.green() < 190 && c.blue() < 90;
    }
    EXPECT_GE(outlined, 1);

    QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(int(top.normalFrom.x), int(top.normalFrom.y)));
    EXPECT_EQ(find<QLabel>("PreviewInfo")->text(),
        "Element 2, type 120, nodes 2, 3, 7, 6; normal Y -16384, Z 0, X 0 (points another way than its nodes)");

    click("Command2");
    EXPECT_EQ(find<QLabel>("NormalCount")->text(), "0 of 6 normals point another way than their polygon's nodes");
    EXPECT_GT(at(kTop).shade, 0.3);
    EXPECT_TRUE(dlg->events.empty());
}

TEST_F(VectorWindow, PreviewTurnsByDragZoomsByWheelAndResetsByKey)
{
    openByList("sparrow.3dz");
    auto* preview = find<ModelPreview>("Preview");
    const double yaw = preview->projection().yaw();
    const QPoint from = preview->rect().center();
    QTest::mousePress(preview, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(40, 0)), preview->mapToGlobal(QPointF(from + QPoint(40, 0))),
        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(preview, &move);
    QTest::mouseRelease(preview, Qt::LeftButton, {}, from + QPoint(40, 0));
    EXPECT_NE(preview->projection().yaw(), yaw);
    EXPECT_EQ(preview->pickedElement(), -1) << "a drag picks nothing";

    QWheelEvent wheel(QPointF(from), preview->mapToGlobal(QPointF(from)), {}, QPoint(0, 120), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(preview, &wheel);
    EXPECT_GT(preview->projection().zoom(), 1.0);

    QTest::keyClick(preview, Qt::Key_Home);
    EXPECT_EQ(preview->projection().yaw(), yaw);
    EXPECT_EQ(preview->projection().zoom(), 1.0);
}

TEST_F(VectorWindow, SingleFacetCalculator)
{
    typeFacet({"0", "0", "0", "1", "0", "0", "0", "1", "0"});
    click("Command1");
    EXPECT_EQ(results(), QStringList({"0", "0", "-16384"}));

    typeFacet({"0", "0", "0", "1", "0", "0", "0", "1", "1"});
    click("Command1");
    EXPECT_EQ(results()[1].left(8), QLocale().decimalPoint() == "." ? "11585.23" : "11585,23");
    EXPECT_TRUE(dlg->events.empty());
}

struct RefusedFacet {
    const char* name;
    std::array<const char*, 9> rowWise;
    const char* words;
};

class VectorFacetRefused : public VectorWindow, public ::testing::WithParamInterface<RefusedFacet> {};

TEST_P(VectorFacetRefused, SaysWhyAndKeepsTheResults)
{
    typeFacet({"0", "0", "0", "1", "0", "0", "0", "1", "0"});
    click("Command1");
    typeFacet(GetParam().rowWise);
    click("Command1");
    ASSERT_EQ(dlg->texts().size(), 1);
    EXPECT_TRUE(dlg->texts()[0].contains(GetParam().words)) << dlg->texts()[0].toStdString();
    EXPECT_EQ(results(), QStringList({"0", "0", "-16384"}));
}

INSTANTIATE_TEST_SUITE_P(VectorWindow, VectorFacetRefused,
    ::testing::Values(RefusedFacet{"Word", {"0", "0", "0", "1", "abc", "0", "0", "1", "0"}, "node 2, z: \"abc\" is not"},
        RefusedFacet{"Empty", {"0", "0", "0", "1", "0", "0", "0", "1", ""}, "node 3, x"},
        RefusedFacet{"TooLarge", {"40000", "0", "0", "1", "0", "0", "0", "1", "0"}, "node 1, y"},
        RefusedFacet{"ProductOverflow", {"0", "0", "0", "0", "200", "0", "0", "0", "200"}, "cannot be calculated"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VectorWindow, ModelNamedAtStartUpIsRead)
{
    testing::CurrentFolder here(dir.path());
    MainWindow started;
    started.openModelFile("box.3dz");
    EXPECT_EQ(started.findChild<QLineEdit*>("Text4")->text(), "box.3dz");
    EXPECT_EQ(started.findChild<QLineEdit*>("Text3")->text(), "6");
    // The file windows start in the current folder.
    EXPECT_EQ(started.openWindow().folder(), qpath(std::filesystem::canonical(dir.path())));

    started.openModelFile("gone.3dz");
    ASSERT_EQ(dlg->texts().size(), 1);
    EXPECT_TRUE(dlg->texts()[0].contains("File not found")) << dlg->texts()[0].toStdString();
    EXPECT_EQ(started.findChild<QLineEdit*>("Text4")->text(), "box.3dz");
}

TEST_F(VectorWindow, ExitClosesEveryWindow)
{
    menu("Open");
    menu("save");
    menu("Exit");
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(open3dz()->isVisible());
    EXPECT_FALSE(save3dz()->isVisible());
}


// A screen reader hears each control by its label, and no two alike.
TEST_F(VectorWindow, EveryControlHasTheAccessibleNameOfItsLabel)
{
    menu("Open");
    menu("save");
    for (QWidget* w : {static_cast<QWidget*>(&window), static_cast<QWidget*>(open3dz()), static_cast<QWidget*>(save3dz())}) {
        common::nameControlsByLabels(*w);
        EXPECT_EQ(common::accessibleNameFaults(*w).join("\n").toStdString(), "") << w->objectName().toStdString();
    }
}

} // namespace
} // namespace vector
