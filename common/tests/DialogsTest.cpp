// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testing/ScriptedDialogs.h"
#include "common/ui/HeadlessDialogs.h"
#include "common/ui/QtDialogs.h"
#include "common/ui/WindowProgram.h"
#include "common/testing/TempDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(ScriptedDialogs, AnswersInOrderAndLogsWhatWasShown)
{
    ScopedScriptedDialogs scripted;
    scripted->answers = {Answer::Yes};
    scripted->files = {QString("/tmp/a.mnu")};

    dialogs().message(nullptr, "Warning", "FLT.CDF not found!", MessageIcon::Warning);
    EXPECT_EQ(dialogs().question(nullptr, "Confirm", "Save?", MessageIcon::Question), Answer::Yes);
    EXPECT_EQ(dialogs().question(nullptr, "Confirm", "Again?", MessageIcon::Question), Answer::No);
    EXPECT_EQ(dialogs().saveFile(nullptr, {"Save", "*.mnu", "/tmp", "a.mnu", {}}), QString("/tmp/a.mnu"));
    EXPECT_EQ(dialogs().openFile(nullptr, {"Open", "*.txt", "/tmp", "", {}}), std::nullopt);

    EXPECT_EQ(scripted->texts(), QStringList({"FLT.CDF not found!", "Save?", "Again?"}));
    EXPECT_EQ(scripted->unscripted, 2);
    ASSERT_EQ(scripted->events.size(), 5u);
    EXPECT_EQ(scripted->events[3].request.presetName, "a.mnu");
}

TEST(ScriptedDialogs, ModalHandlerWorksTheWindowsControls)
{
    ScopedScriptedDialogs scripted;
    QDialog dialog;
    dialog.setWindowTitle("Wingsmith");
    auto* ok = new QPushButton("Ok", &dialog);
    ok->setObjectName("Button1");
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    scripted->modals.push_back([](QDialog& d) {
        d.findChild<QPushButton*>("Button1")->click();
        return d.result();
    });
    EXPECT_EQ(dialogs().exec(dialog), QDialog::Accepted);
    EXPECT_EQ(dialogs().exec(dialog), QDialog::Rejected);
    EXPECT_EQ(scripted->events[0].title, "Wingsmith");
}

TEST(HeadlessDialogs, NeverWaitsAndTakesTheSafeAnswer)
{
    HeadlessDialogs headless;
    testing::internal::CaptureStderr();
    headless.message(nullptr, "Wingsmith", "FLT.CDF not found!", MessageIcon::Warning);
    const Answer a = headless.question(nullptr, "Confirm", "Do you want to save changes?", MessageIcon::Question);
    // The answer "No" of every question, so that the run ends; nobody has
    // typed anything into a window that is only drawn.
    const Answer c = headless.cancellableQuestion(nullptr, "Ordnix", "Save the changes to loadout.dat?",
        CancellableQuestion::SaveDiscardCancel);
    const Answer y = headless.cancellableQuestion(nullptr, "Confirm", "Exiting Wingsmith. Save changes?",
        CancellableQuestion::YesNoCancel);
    const Answer o = headless.cancellableQuestion(
        nullptr, "Ordnix", "The file \"loadout.dat\" was changed on disk", CancellableQuestion::OverwriteReloadCancel);
    QDialog dialog;
    dialog.setWindowTitle("Pick");
    const int r = headless.exec(dialog);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(a, Answer::No);
    EXPECT_EQ(c, Answer::Discard);
    EXPECT_EQ(y, Answer::No);
    EXPECT_EQ(o, Answer::Cancel);
    EXPECT_NE(err.find("Save the changes to loadout.dat?"), std::string::npos);
    EXPECT_EQ(r, QDialog::Rejected);
    EXPECT_NE(err.find("FLT.CDF not found!"), std::string::npos);
    EXPECT_NE(err.find("Do you want to save changes?"), std::string::npos);
    EXPECT_NE(err.find("Pick"), std::string::npos);
}

// The box a save shows when its file changed on disk: buttons that say
// what they do, and Enter overwrites nothing.
TEST(QtDialogs, AFileChangedOnDiskIsOverwrittenReloadedOrLeftByName)
{
    const struct {
        const char* press; // a button's object name; empty: Enter
        Answer expected;
    } cases[] = {{"Overwrite", Answer::Overwrite}, {"Reload", Answer::Reload}, {"", Answer::Cancel}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.press);
        QStringList captions;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* b : box->buttons())
                captions << b->text();
            if (*c.press)
                box->findChild<QPushButton*>(c.press)->click();
            else
                QTest::keyClick(box, Qt::Key_Return);
        });
        QtDialogs qt;
        EXPECT_EQ(qt.cancellableQuestion(
                      nullptr, "Ordnix", "The file changed on disk.", CancellableQuestion::OverwriteReloadCancel),
            c.expected);
        captions.sort();
        EXPECT_EQ(captions, QStringList({"&Overwrite", "&Reload", "Cancel"}));
    }
}

TEST(WindowPicture, RendersTheWindowToPng)
{
    TempDir dir;
    QLabel label("Vantor");
    label.resize(120, 40);
    const QString path = QString::fromStdString((dir / "shot.png").string());
    ASSERT_TRUE(saveWindowPicture(label, path));
    QImage image(path);
    EXPECT_EQ(image.size(), QSize(120, 40));
}

} // namespace
} // namespace common
