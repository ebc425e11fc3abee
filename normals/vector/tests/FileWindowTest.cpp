// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowTestSupport.h"

#include "vector/ui/FolderList.h"
#include "vector/ui/MainWindow.h"
#include "vector/ui/OpenModelWindow.h"

#include "common/testing/ProgramRun.h"
#include "common/testing/ScriptedDialogs.h"
#include "common/testing/TempDir.h"
#include "common/testing/TemporarySettings.h"
#include "tools/demogen/DemoInstallation.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace vector {
namespace {

using testing::qpath;

QStringList texts(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text().trimmed();
    return out;
}

void doubleClick(QListWidget* list, QListWidgetItem* item)
{
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

TEST(FileWindow, FolderListMovesTheFileListAndThePathLabel)
{
    common::TempDir dir;
    std::filesystem::create_directories(dir / "models" / "planes");
    std::filesystem::create_directories(dir / ".wine"); // where a Windows game lives on Linux
    common::writeAllText(dir / "top.3dz", "");
    common::writeAllText(dir / "models" / "Tank.3DZ", "");
    common::writeAllText(dir / "models" / "jeep.3dz", "");
    common::writeAllText(dir / "models" / "notes.txt", "");
    common::ScopedScriptedDialogs dlg;
    Model model;
    OpenModelWindow window(model, nullptr);
    const QString root = qpath(std::filesystem::canonical(dir.path()));
    ASSERT_TRUE(window.setFolder(root));
    window.show();

    auto* File1 = window.findChild<QListWidget*>("File1");
    auto* Dir1 = window.findChild<QListWidget*>("Dir1");
    auto* pathlabel = window.findChild<QLabel*>("pathlabel");
    auto* Drive1 = window.findChild<QComboBox*>("Drive1");
    ASSERT_TRUE(File1 && Dir1 && pathlabel && Drive1);
    EXPECT_EQ(texts(File1), QStringList({"top.3dz"}));
    EXPECT_EQ(pathlabel->text(), QDir::toNativeSeparators(root));
    EXPECT_GE(Drive1->count(), 1);
    EXPECT_TRUE(texts(Dir1).contains(".wine"));

    // The folder list ends with the current folder and its subfolder.
    const auto found = Dir1->findItems("models", Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1);
    doubleClick(Dir1, found[0]);
    EXPECT_EQ(window.folder(), root + "/models");
    EXPECT_EQ(pathlabel->text(), QDir::toNativeSeparators(root + "/models"));
    EXPECT_EQ(texts(File1), QStringList({"jeep.3dz", "Tank.3DZ"}));
    EXPECT_EQ(texts(Dir1).last(), "planes");

    // Back up through the chain of parents.
    const auto parent = Dir1->findItems(QFileInfo(root).fileName(), Qt::MatchEndsWith);
    ASSERT_FALSE(parent.isEmpty());
    doubleClick(Dir1, parent[0]);
    EXPECT_EQ(window.folder(), root);

    EXPECT_FALSE(window.setFolder(root + "/nowhere"));
    EXPECT_EQ(window.folder(), root);
    EXPECT_TRUE(dlg->events.empty());
}

TEST(FileWindow, FolderListIndentsWholeItemsWithIconsOfOneSize)
{
    common::TempDir dir;
    std::filesystem::create_directories(dir / "models");
    Model model;
    OpenModelWindow window(model, nullptr);
    ASSERT_TRUE(window.setFolder(qpath(dir.path())));
    auto* Dir1 = window.findChild<QListWidget*>("Dir1");
    ASSERT_GE(Dir1->count(), 2);
    QSize iconSize;
    for (int i = 0; i < Dir1->count(); ++i) {
        const QListWidgetItem* item = Dir1->item(i);
        EXPECT_FALSE(item->text().startsWith(' ')) << item->text().toStdString();
        const QSize size = item->icon().actualSize(Dir1->iconSize());
        if (i == 0)
            iconSize = size;
        EXPECT_EQ(size, iconSize) << item->text().toStdString();
    }
    // The chain deepens by one per folder; the subfolder sits under the current one.
    const int last = Dir1->count() - 1;
    EXPECT_EQ(Dir1->item(last)->text(), "models");
    EXPECT_EQ(Dir1->item(last)->data(FolderList::kDepthRole).toInt(),
        Dir1->item(last - 1)->data(FolderList::kDepthRole).toInt() + 1);
}

TEST(FileWindow, ChoosingAFileByKeyboardFillsTheName)
{
    common::TempDir dir;
    common::writeAllText(dir / "a.3dz", "");
    common::writeAllText(dir / "b.3dz", "");
    Model model;
    OpenModelWindow window(model, nullptr);
    window.setFolder(qpath(dir.path()));
    window.show();
    auto* File1 = window.findChild<QListWidget*>("File1");
    File1->setFocus();
    File1->setCurrentRow(1);
    EXPECT_EQ(window.findChild<QLineEdit*>("Text1")->text(), "b.3dz");
}

// The real programs, run as a user would on the demo installation.
// The folder the program is started in, for one test.
class WorkingIn {
public:
    explicit WorkingIn(const std::filesystem::path& folder) : before_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~WorkingIn() { std::filesystem::current_path(before_); }
    WorkingIn(const WorkingIn&) = delete;
    WorkingIn& operator=(const WorkingIn&) = delete;

private:
    std::filesystem::path before_;
};

// Started in another game's folder after a run in this one: its models are
// shown, not those of the folder the earlier run left.
TEST(FileWindow, TheFirstOpenWindowOfARunShowsTheModelsOfTheFolderItWasStartedIn)
{
    const common::TemporarySettings settings;
    common::TempDir earlier;
    common::TempDir here;
    common::writeAllText(earlier / "old.3dz", "");
    common::writeAllText(here / "m.3dz", "");
    // As an earlier run left it.
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Vantor modding tools", "vector")
        .setValue("Folders/Open3dz", qpath(earlier.path()));
    const WorkingIn working(here.path());
    common::ScopedScriptedDialogs dlg;
    Model model;
    OpenModelWindow window(model, nullptr);
    window.show();
    EXPECT_EQ(std::filesystem::canonical(toPath(window.folder())), std::filesystem::canonical(here.path()));
    EXPECT_EQ(texts(window.findChild<QListWidget*>("File1")), QStringList{"m.3dz"});

    // A model added while the window was hidden is listed when it opens again.
    window.hide();
    common::writeAllText(here / "n.3dz", "");
    window.show();
    EXPECT_EQ(texts(window.findChild<QListWidget*>("File1")), (QStringList{"m.3dz", "n.3dz"}));
}

TEST(VectorProgram, ScreenshotOfTheDemoModel)
{
    common::TempDir dir;
    demogen::writeDemoInstallation(dir.path());
    const auto run = common::runProgram(VECTOR_EXECUTABLE, dir.path(), {"--screenshot", "shot.png", "sparrow.3dz"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    // Every dialog would be reported on stderr, "message: " first.
    EXPECT_EQ(run.standardError.find("message: "), std::string::npos) << run.standardError;
    const QImage shot(qpath(dir / "shot.png"));
    EXPECT_FALSE(shot.isNull());

    // A file that is not there is reported, and the program still runs.
    const auto missing
        = common::runProgram(VECTOR_EXECUTABLE, dir.path(), {"--screenshot", "shot2.png", "nothere.3dz"});
    EXPECT_EQ(missing.exitCode, 0);
    EXPECT_NE(missing.standardError.find("Cannot read nothere.3dz: File not found"), std::string::npos);
}

} // namespace
} // namespace vector
