// SPDX-License-Identifier: GPL-3.0-or-later
#include "kitbag/ui/KitbagDocument.h"
#include "kitbag/ui/ModManagerWindow.h"

#include "mods/core/GameFileKinds.h"
#include "mods/core/InstallationFiles.h"
#include "mods/core/ModFile.h"
#include "mods/core/ModMaker.h"
#include "mods/testing/DemoGame.h"

#include "common/core/RunBackups.h"
#include "common/testing/ProgramRun.h"
#include "common/testing/ScriptedDialogs.h"
#include "common/testing/TempDir.h"
#include "common/testing/WindowKeys.h"
#include "common/ui/NativePath.h"

#include <QApplication>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace kitbag {
namespace {

namespace fs = std::filesystem;
using modstest::Bytes;

using modstest::fieldText;
using modstest::setFieldText;

// A demo game with the window on it, and mods made with the core from a
// copy where one field of P51D.FLT was changed.
class ModManager : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy(modstest::demoGame(), game(), fs::copy_options::recursive);
        common::RunBackups::start("Kitbag");
        start_ = modstest::gameSnapshot(game());
        document_ = std::make_shared<KitbagDocument>();
        window_ = std::make_unique<ModManagerWindow>(document_);
        window_->show();
        document_->setGameFolder(game());
    }
    void TearDown() override
    {
        window_.reset();
        common::RunBackups::stop();
    }
    fs::path game() const { return dir_.path() / "game"; }

    // Writes Mods/NAME.vmod setting the field to `to`.
    void writeMod(const std::string& name, const std::string& fieldName, const std::string& to)
    {
        const fs::path edited = dir_.path() / ("edited-" + name);
        fs::copy(modstest::demoGame(), edited, fs::copy_options::recursive);
        setFieldText(edited, "P51D.FLT", "P-51D", fieldName, to);
        mods::Mod manifest;
        manifest.name = name;
        manifest.version = "1.0.0";
        manifest.readme = "Readme of " + name;
        const auto made = mods::makeMod(mods::installationSources(modstest::demoGame()),
            mods::installationSources(edited), manifest, modstest::demoGame());
        fs::create_directories(game() / "Mods");
        common::writeAllText(game() / "Mods" / (name + ".vmod"), mods::modText(made.mod));
        document_->reload();
    }
    // An empty mod NAME in `folder`, as a download would leave it.
    static mods::Mod writeEmptyMod(const fs::path& folder, const std::string& name, const std::string& fileName = {})
    {
        fs::create_directories(folder);
        mods::Mod m;
        m.name = name;
        m.version = "1.0.0";
        common::writeAllText(folder / (fileName.empty() ? name + ".vmod" : fileName), mods::modText(m));
        return m;
    }
    void selectAvailable(const QStringList& names)
    {
        auto* list = window_->findChild<QListWidget*>("availableList");
        list->clearSelection();
        for (int i = 0; i < list->count(); ++i)
            for (const QString& n : names)
                if (list->item(i)->text().startsWith(n + " "))
                    list->item(i)->setSelected(true);
    }
    void click(const char* name) { QTest::mouseClick(window_->findChild<QPushButton*>(name), Qt::LeftButton); }
    QTableWidget* table(const char* name) const { return window_->findChild<QTableWidget*>(name); }
    QString status() const { return window_->findChild<QLabel*>("statusLine")->text(); }
    static QString cell(QTableWidget* t, int row, int column)
    {
        const auto* item = t->item(row, column);
        return item ? item->text() : QString();
    }

    common::TempDir dir_;
    std::map<std::string, Bytes> start_;
    std::shared_ptr<KitbagDocument> document_;
    std::unique_ptr<ModManagerWindow> window_;
};

TEST_F(ModManager, InstallsAndRemovesAModLeavingTheGameAsItWas)
{
    const std::string before = fieldText(game(), "P51D.FLT", "P-51D", "engineBestAltitude");
    writeMod("Altitude", "engineBestAltitude", "8200");
    common::ScopedScriptedDialogs dlg;
    selectAvailable({"Altitude"});
    EXPECT_EQ(window_->findChild<QPlainTextEdit*>("readmeText")->toPlainText().contains("Readme of Altitude"), true);
    auto* changes = table("changesTable");
    ASSERT_EQ(changes->rowCount(), 1);
    EXPECT_EQ(cell(changes, 0, 2), "engineBestAltitude");
    EXPECT_EQ(cell(changes, 0, 3), QString::fromStdString(before));
    EXPECT_EQ(cell(changes, 0, 4), "8200");
    EXPECT_EQ(cell(changes, 0, 5), "clean");

    click("installButton");
    EXPECT_EQ(fieldText(game(), "P51D.FLT", "P-51D", "engineBestAltitude"), "8200");
    auto* installed = table("installedTable");
    ASSERT_EQ(installed->rowCount(), 1);
    EXPECT_EQ(cell(installed, 0, 0), "Altitude");
    EXPECT_EQ(cell(installed, 0, 1), "1.0.0");
    EXPECT_EQ(cell(installed, 0, 2), "1");
    EXPECT_EQ(cell(installed, 0, 3), "intact");
    EXPECT_TRUE(status().contains("Installed Altitude")) << status().toStdString();
    EXPECT_TRUE(status().contains(QString::fromStdString((game() / "Backups").string()))) << status().toStdString();

    installed->selectRow(0);
    dlg->answers.push_back(common::Answer::Yes);
    click("removeButton");
    EXPECT_EQ(installed->rowCount(), 0);
    EXPECT_EQ(modstest::gameSnapshot(game()), start_);
    EXPECT_TRUE(status().contains("Removed Altitude")) << status().toStdString();
    EXPECT_EQ(dlg->events.size(), 1u);
}

TEST_F(ModManager, AConflictIsATableRowAndInstallOnTopNeedsAYes)
{
    writeMod("Low", "engineBestAltitude", "7000");
    writeMod("High", "engineBestAltitude", "9000");
    common::ScopedScriptedDialogs dlg;
    selectAvailable({"Low"});
    click("installButton");
    ASSERT_EQ(table("installedTable")->rowCount(), 1);

    selectAvailable({"High"});
    click("conflictsButton");
    auto* conflicts = table("conflictsTable");
    ASSERT_EQ(conflicts->rowCount(), 1);
    EXPECT_EQ(cell(conflicts, 0, 0), "P51D.FLT");
    EXPECT_EQ(cell(conflicts, 0, 2), "engineBestAltitude");
    const QStringList values{cell(conflicts, 0, 4), cell(conflicts, 0, 6)};
    EXPECT_TRUE(values.contains("7000") && values.contains("9000")) << values.join(",").toStdString();

    // Refused, the sentence shown, and No keeps everything.
    const auto before = modstest::folderSnapshot(game());
    click("installButton");
    ASSERT_EQ(dlg->texts().size(), 1);
    EXPECT_TRUE(dlg->texts()[0].contains("installed mod Low")) << dlg->texts()[0].toStdString();
    EXPECT_EQ(modstest::folderSnapshot(game()), before);
    EXPECT_TRUE(status().startsWith("Nothing was installed")) << status().toStdString();

    dlg->answers.push_back(common::Answer::Yes);
    click("installButton");
    EXPECT_EQ(fieldText(game(), "P51D.FLT", "P-51D", "engineBestAltitude"), "9000");
    EXPECT_EQ(table("installedTable")->rowCount(), 2);
    EXPECT_TRUE(status().contains("on top")) << status().toStdString();
}

// Every question before a loss, answered No or Cancel, leaves every file.
TEST_F(ModManager, CancelAtAQuestionKeepsEveryFile)
{
    writeMod("Altitude", "engineBestAltitude", "8200");
    common::ScopedScriptedDialogs dlg;
    selectAvailable({"Altitude"});
    click("installButton");
    const fs::path backup = *common::RunBackups::lastFolder();
    const auto before = modstest::folderSnapshot(game());

    table("installedTable")->selectRow(0);
    for (const common::Answer answer : {common::Answer::No, common::Answer::Cancel}) {
        dlg->answers.push_back(answer);
        click("removeButton");
        dlg->files.push_back(common::pathText(backup));
        dlg->answers.push_back(answer);
        click("restoreButton");
    }
    EXPECT_EQ(dlg->texts().size(), 4);
    EXPECT_EQ(modstest::folderSnapshot(game()), before);
    EXPECT_EQ(table("installedTable")->rowCount(), 1);
    EXPECT_EQ(status(), "Nothing was restored.");
}

TEST_F(ModManager, RestoreAndMakeFromABackup)
{
    // An edit as another program makes it: the original goes to a backup.
    const fs::path original = game() / "P51D.FLT";
    common::RunBackups::beforeChange(original);
    const std::string was = setFieldText(game(), "P51D.FLT", "P-51D", "aileronsRate", "3.5");
    const fs::path backup = *common::RunBackups::lastFolder();

    common::ScopedScriptedDialogs dlg;
    dlg->files.push_back(common::pathText(backup));
    dlg->modals.push_back([](QDialog& d) {
        d.findChild<QLineEdit*>("modNameField")->setText("Rate");
        d.findChild<QLineEdit*>("modVersionField")->setText("0.2.0");
        return int(QDialog::Accepted);
    });
    click("makeButton");
    const fs::path made = game() / "Mods" / "Rate.vmod";
    ASSERT_TRUE(fs::exists(made)) << status().toStdString();
    const auto mod = mods::readMod(common::readAllText(made), "Rate.vmod");
    EXPECT_EQ(mod.version, "0.2.0");
    ASSERT_EQ(mod.changeCount(), 1u);
    EXPECT_EQ(mod.files[0].fields[0].from, was);
    EXPECT_EQ(mod.files[0].fields[0].to, "3.5");

    dlg->files.push_back(common::pathText(backup));
    dlg->answers.push_back(common::Answer::Yes);
    click("restoreButton");
    EXPECT_EQ(modstest::gameSnapshot(game()), start_);
    EXPECT_TRUE(status().startsWith("Restored 1 files")) << status().toStdString();
}

TEST_F(ModManager, ADroppedModIsCopiedIntoTheGamesModsFolder)
{
    const fs::path elsewhere = dir_.path() / "Downloads";
    const mods::Mod m = writeEmptyMod(elsewhere, "Dropped");
    window_->addDroppedFiles({elsewhere / "Dropped.vmod"});
    EXPECT_EQ(common::readAllText(game() / "Mods" / "Dropped.vmod"), mods::modText(m));
    ASSERT_EQ(window_->findChild<QListWidget*>("availableList")->count(), 1);
}

// What the window manager hands over: a drag over the window is taken
// only when it carries a .vmod, and the drop copies those alone.
TEST_F(ModManager, ADragOfModsIsTakenAndItsDropCopiesOnlyTheMods)
{
    const fs::path elsewhere = dir_.path() / "Downloads";
    const mods::Mod m = writeEmptyMod(elsewhere, "Dragged", "Dragged.VMOD");
    common::writeAllText(elsewhere / "notes.txt", "not a mod");
    const auto url = [&](const char* name) { return QUrl::fromLocalFile(common::pathText(elsewhere / name)); };
    ASSERT_TRUE(window_->acceptDrops());

    struct Case {
        QList<QUrl> urls;
        bool taken;
    };
    for (const Case& c : {Case{{url("notes.txt")}, false}, Case{{QUrl("https://example.org/A.vmod")}, false},
             Case{{url("notes.txt"), url("Dragged.VMOD")}, true}}) {
        QMimeData data;
        data.setUrls(c.urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(window_.get(), &enter);
        EXPECT_EQ(enter.isAccepted(), c.taken) << c.urls.size();
    }
    QMimeData data;
    data.setUrls({url("notes.txt"), url("Dragged.VMOD")});
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(common::readAllText(game() / "Mods" / "Dragged.VMOD"), mods::modText(m));
    EXPECT_FALSE(fs::exists(game() / "Mods" / "notes.txt"));
    EXPECT_TRUE(status().contains("Dragged.VMOD")) << status().toStdString();
}

// Folders added are listed again at the next start, until forgotten; one
// that has gone since is left out.
TEST_F(ModManager, AddedModFoldersAreListedAgainAtTheNextStartUntilForgotten)
{
    const fs::path shared = dir_.path() / "shared mods";
    const fs::path gone = dir_.path() / "gone";
    for (const fs::path& folder : {shared, gone})
        writeEmptyMod(folder, folder.filename().string());
    common::ScopedScriptedDialogs dlg;
    dlg->files = {common::pathText(shared), common::pathText(gone)};
    click("addFolderButton");
    click("addFolderButton");
    ASSERT_EQ(document_->modFolders(), (std::vector<fs::path>{shared, gone}));
    fs::remove_all(gone);

    const auto nextStart = [] {
        auto next = std::make_unique<ModManagerWindow>(std::make_shared<KitbagDocument>());
        next->openStartFolder();
        return next;
    };
    {
        const auto next = nextStart();
        EXPECT_EQ(next->document().modFolders(), std::vector<fs::path>{shared});
        ASSERT_EQ(next->findChild<QListWidget*>("availableList")->count(), 1);
    }
    click("forgetFoldersButton");
    EXPECT_TRUE(document_->modFolders().empty());
    EXPECT_EQ(nextStart()->document().modFolders(), std::vector<fs::path>{});
}

TEST_F(ModManager, AModThatDoesNotReadIsListedWithItsReasonAndNotInstalled)
{
    fs::create_directories(game() / "Mods");
    common::writeAllText(game() / "Mods" / "Broken.vmod", "{\"name\": \"Broken\"");
    document_->reload();
    common::ScopedScriptedDialogs dlg;
    auto* list = window_->findChild<QListWidget*>("availableList");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Broken.vmod (does not read)");
    list->item(0)->setSelected(true);
    EXPECT_TRUE(window_->findChild<QPlainTextEdit*>("readmeText")->toPlainText().contains("Broken.vmod"));
    const auto before = modstest::folderSnapshot(game());
    click("installButton");
    EXPECT_EQ(modstest::folderSnapshot(game()), before);
    ASSERT_EQ(dlg->events.size(), 1u);
    EXPECT_EQ(dlg->events[0].kind, common::ScriptedDialogs::Kind::Message);
}

// The folder chosen through the dialog is where the next start works.
TEST_F(ModManager, TheChosenGameFolderIsRememberedForTheNextStart)
{
    const fs::path other = dir_.path() / "other";
    fs::copy(modstest::demoGame(), other, fs::copy_options::recursive);
    common::ScopedScriptedDialogs dlg;
    dlg->files.push_back(common::pathText(other));
    click("chooseGameButton");
    EXPECT_EQ(document_->gameFolder(), other);
    EXPECT_EQ(common::RunBackups::gameFolderAbsolute(), fs::weakly_canonical(other));

    ModManagerWindow next(std::make_shared<KitbagDocument>());
    next.openStartFolder();
    EXPECT_EQ(next.document().gameFolder(), other);
}

TEST_F(ModManager, CtrlOChoosesTheGameFolderAndCtrlQCloses)
{
    const fs::path other = dir_.path() / "other";
    fs::copy(modstest::demoGame(), other, fs::copy_options::recursive);
    common::ScopedScriptedDialogs dlg;
    dlg->files.push_back(common::pathText(other));
    ASSERT_TRUE(common::pressKeys(*window_, QKeySequence("Ctrl+O")));
    EXPECT_EQ(document_->gameFolder(), other);
    ASSERT_TRUE(common::pressKeys(*window_, QKeySequence("Ctrl+Q")));
    EXPECT_FALSE(window_->isVisible());
}

TEST(KitbagProgram, ScreenshotWritesAPictureAndExitsZero)
{
    common::TempDir dir;
    modstest::writeDemoGame(dir / "game");
    const auto before = modstest::folderSnapshot(dir / "game");
    const auto run = common::runProgram(KITBAG_EXE, dir / "game", {"--screenshot", "../shot.png"},
        {{"XDG_CONFIG_HOME", QString::fromStdString((dir / "config").string())}});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_FALSE(QImage(QString::fromStdString((dir / "shot.png").string())).isNull());
    EXPECT_EQ(modstest::folderSnapshot(dir / "game"), before);
}

} // namespace
} // namespace kitbag
