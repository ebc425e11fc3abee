// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowTestSupport.h"

#include "menuwright/ui/ScreenRowsDocument.h"

#include "common/ui/PictureRectangle.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QUndoStack>

#include <functional>
#include <sstream>

namespace menuwright::testing {
namespace {

using Change = ScreenRowsDocument::Change;
using Field = ScreenRowsDocument::Field;

QList<int> announcedRows(const QSignalSpy& spy, int call)
{
    return spy.at(call).at(0).value<QList<int>>();
}

Change announcedChange(const QSignalSpy& spy, int call)
{
    return spy.at(call).at(1).value<Change>();
}

struct LoadCase {
    const char* name;
    int lines; // of numberedLayoutText
    int first;
    int last;
    QList<int> announced;
};

void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << c.name;
}

class DocumentLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(DocumentLoad, NamesTheRowsItRead)
{
    const LoadCase& c = GetParam();
    ScreenRowsDocument document(11);
    const ButtonRow kept{"kept", "1", "2", "3", "4"};
    for (int i = 0; i < document.rowCount(); ++i)
        document.setRow(i, kept);
    QSignalSpy spy(&document, &ScreenRowsDocument::rowsChanged);
    std::istringstream in(numberedLayoutText(c.lines));

    EXPECT_EQ(document.loadRows(in, c.first, c.last), c.announced.size());
    if (c.announced.isEmpty()) {
        EXPECT_EQ(spy.count(), 0);
    } else {
        ASSERT_EQ(spy.count(), 1);
        EXPECT_EQ(announcedRows(spy, 0), c.announced);
        EXPECT_EQ(announcedChange(spy, 0), Change::Loaded);
    }
    // File row r lands in document row first + r; rows not reached keep theirs.
    for (int i = 0; i < document.rowCount(); ++i) {
        const int k = i - c.first;
        const ButtonRow expected = c.announced.contains(i) ? ButtonRow{"F" + std::to_string(k), std::to_string(10 + k),
                                       std::to_string(20 + k), std::to_string(30 + k), std::to_string(40 + k)}
                                                           : kept;
        EXPECT_EQ(document.row(i), expected) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DocumentLoad,
    ::testing::Values(LoadCase{"Whole", 55, 0, 10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        LoadCase{"AxisRowsOnly", 10, 6, 7, {6, 7}}, LoadCase{"ShortFileStopsAtItsEnd", 14, 8, 10, {8, 9}},
        LoadCase{"EmptyFileAnnouncesNothing", 0, 0, 5, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenRowsDocument, ReloadingTheSameTextsIsAnnouncedSoTheRectanglesArePlaced)
{
    ScreenRowsDocument document(11);
    std::istringstream first(numberedLayoutText(5));
    document.loadRows(first, 3, 3);
    QSignalSpy spy(&document, &ScreenRowsDocument::rowsChanged);
    std::istringstream again(numberedLayoutText(5));
    document.loadRows(again, 3, 3);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(announcedRows(spy, 0), QList<int>{3});
}

struct EditCase {
    const char* name;
    std::function<void(ScreenRowsDocument&)> edit;
    ButtonRow expected; // row 4, which starts as {"A", "1", "2", "3", "4"}
};

void PrintTo(const EditCase& c, std::ostream* os)
{
    *os << c.name;
}

class DocumentEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(DocumentEdit, NamesTheRowOnlyWhenItChanged)
{
    const EditCase& c = GetParam();
    ScreenRowsDocument document(11);
    const ButtonRow start{"A", "1", "2", "3", "4"};
    document.setRow(4, start);
    QSignalSpy spy(&document, &ScreenRowsDocument::rowsChanged);

    c.edit(document);
    EXPECT_EQ(document.row(4), c.expected);
    if (c.expected == start) {
        EXPECT_EQ(spy.count(), 0);
    } else {
        ASSERT_EQ(spy.count(), 1);
        EXPECT_EQ(announcedRows(spy, 0), QList<int>{4});
        EXPECT_EQ(announcedChange(spy, 0), Change::Edited);
    }
}

INSTANTIATE_TEST_SUITE_P(Edits, DocumentEdit,
    ::testing::Values(
        EditCase{"Caption", [](ScreenRowsDocument& d) { d.setCaption(4, "B"); }, {"B", "1", "2", "3", "4"}},
        EditCase{
            "OneCoordinate", [](ScreenRowsDocument& d) { d.setText(4, Field::W, "30"); }, {"A", "1", "2", "30", "4"}},
        EditCase{"Coordinates", [](ScreenRowsDocument& d) { d.setCoordinates(4, "5", "6", "7", "8"); },
            {"A", "5", "6", "7", "8"}},
        EditCase{"SameCaption", [](ScreenRowsDocument& d) { d.setCaption(4, "A"); }, {"A", "1", "2", "3", "4"}},
        EditCase{"SameRow",
            [](ScreenRowsDocument& d) {
                d.setRow(4, {"A", "1", "2", "3", "4"});
            },
            {"A", "1", "2", "3", "4"}}),
    [](const auto& info) { return std::string(info.param.name); });

// How the document's edits become steps of its undo stack: each case edits
// row 1 (starting empty) and says how many steps result and what one undo
// leaves.
struct StepCase {
    const char* name;
    std::function<void(ScreenRowsDocument&)> edits;
    int steps;
    ButtonRow afterUndo;
};

void PrintTo(const StepCase& c, std::ostream* os)
{
    *os << c.name;
}

class DocumentSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(DocumentSteps, MakeTheStepsTheUserSees)
{
    const StepCase& c = GetParam();
    ScreenRowsDocument document(11);
    c.edits(document);
    const ButtonRow edited = document.row(1);
    EXPECT_EQ(document.stack()->count(), c.steps);
    EXPECT_EQ(document.modified(), c.steps > 0);
    if (c.steps == 0)
        return;

    QSignalSpy spy(&document, &ScreenRowsDocument::rowsChanged);
    document.stack()->undo();
    EXPECT_EQ(document.row(1), c.afterUndo);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(announcedRows(spy, 0), QList<int>{1});
    // The redo makes the edit again.
    document.stack()->redo();
    EXPECT_EQ(document.row(1), edited);
    EXPECT_EQ(spy.count(), 2);
}

INSTANTIATE_TEST_SUITE_P(Edits, DocumentSteps,
    ::testing::Values(StepCase{"TypingIntoOneBoxIsOneStep",
                          [](ScreenRowsDocument& d) {
                              for (const char* typed : {"S", "Sp", "Spi"})
                                  d.setCaption(1, typed);
                          },
                          1, {}},
        StepCase{"LeavingTheBoxEndsTheStep",
            [](ScreenRowsDocument& d) {
                d.setCaption(1, "Sp");
                d.closeStep();
                d.setCaption(1, "Spit");
            },
            2, {"Sp", "", "", "", ""}},
        StepCase{"AnotherBoxIsAnotherStep",
            [](ScreenRowsDocument& d) {
                d.setText(1, Field::L, "5");
                d.setText(1, Field::T, "6");
            },
            2, {"", "5", "", "", ""}},
        StepCase{"TypedBackIsNoStep",
            [](ScreenRowsDocument& d) {
                d.setCaption(1, "x");
                d.setCaption(1, "");
            },
            0, {}},
        StepCase{"AdoptedIsNoStep", [](ScreenRowsDocument& d) { d.adopt([&] { d.setCaption(1, "Side"); }); }, 0, {}},
        StepCase{"UndoKeepsWhatWasAdoptedSince",
            [](ScreenRowsDocument& d) {
                d.setText(1, Field::L, "5");
                d.adopt([&] { d.setCaption(1, "Side"); });
            },
            1, {"Side", "", "", "", ""}},
        StepCase{"AnEditIsOneStep",
            [](ScreenRowsDocument& d) {
                d.edit("Both", [&] {
                    d.setCaption(1, "A");
                    d.setCoordinates(1, "1", "2", "3", "4");
                });
            },
            1, {}},
        StepCase{"WhatAnEditAdoptsStaysWhenItIsUndone",
            [](ScreenRowsDocument& d) {
                d.edit("Load", [&] {
                    d.setCaption(1, "F1");
                    d.adopt([&] { d.setCaption(1, "Side"); });
                    d.setText(1, Field::W, "9");
                });
            },
            1, {"Side", "", "", "", ""}},
        StepCase{"ADragIsOneStepAndPassingOverNone",
            [](ScreenRowsDocument& d) {
                d.dragTo(1, {1, 2, 3, 4}, Qt::NoButton);
                d.dragTo(1, {5, 2, 3, 4}, Qt::LeftButton);
                d.dragTo(1, {6, 2, 3, 4}, Qt::LeftButton);
            },
            1, {"", "1", "2", "3", "4"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenRowsDocument, AnEditIsAnnouncedOnceAndUndoneWhole)
{
    ScreenRowsDocument document(11);
    QSignalSpy spy(&document, &ScreenRowsDocument::rowsChanged);
    document.edit("Both", [&] {
        document.setCaption(0, "A");
        document.setCoordinates(3, "1", "2", "3", "4");
    });
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(announcedRows(spy, 0), QList<int>({0, 3}));
    EXPECT_EQ(document.stack()->undoText(), "Both");
    document.stack()->undo();
    EXPECT_EQ(document.row(0), ButtonRow{});
    EXPECT_EQ(document.row(3), ButtonRow{});
}

TEST(ScreenRowsDocument, TypingAfterASaveIsAStepOfItsOwn)
{
    ScreenRowsDocument document(11);
    QSignalSpy modified(&document, &ScreenRowsDocument::modifiedChanged);
    document.setPictureName("a.pic");
    document.markSaved();
    EXPECT_FALSE(document.modified());
    document.setPictureName("ab.pic");
    EXPECT_TRUE(document.modified());
    document.stack()->undo();
    EXPECT_EQ(document.pictureName(), "a.pic");
    EXPECT_FALSE(document.modified());
    ASSERT_EQ(modified.count(), 4);
    EXPECT_FALSE(modified.last().at(0).toBool());
}

// The table and the rectangle locator each show the one document.
class RowsThroughTheDocument : public MenuwrightWindows {
protected:
    ScreenRowsDocument& rows() { return module.selectionRows(); }
    common::PictureRectangle* rectangle(int i)
    {
        return child<common::PictureRectangle>(locator.get(), indexed("Label2", i));
    }
    QStringList cells(int i)
    {
        QStringList out;
        for (const char* name : {"Text2", "Text3", "Text4", "Text5", "Text6"})
            out << text(table, indexed(name, i));
        return out;
    }
};

TEST_F(RowsThroughTheDocument, BothWindowsFollowAnEditOfTheDocument)
{
    const QRect before = rectangle(3)->geometry();
    rows().setRow(3, {"Moved", "100", "110", "120", "130"});
    EXPECT_EQ(cells(3), QStringList({"Moved", "100", "110", "120", "130"}));
    EXPECT_EQ(rectangle(3)->text(), "Moved");
    // Typed coordinates wait for the rectangle to be moved.
    EXPECT_EQ(rectangle(3)->geometry(), before);
}

TEST_F(RowsThroughTheDocument, BothWindowsFollowALoadIntoTheDocument)
{
    std::istringstream in(numberedLayoutText(10));
    rows().loadRows(in, 8, 9);
    EXPECT_EQ(cells(9), QStringList({"F1", "11", "21", "31", "41"}));
    EXPECT_EQ(rectangle(9)->text(), "F1");
    EXPECT_EQ(rectangle(9)->geometry(), QRect(11, 21, 31, 41));
}

TEST_F(RowsThroughTheDocument, TheTableEditsTheDocumentTheLocatorShows)
{
    QSignalSpy spy(&rows(), &ScreenRowsDocument::rowsChanged);
    QLineEdit* box = child<QLineEdit>(table, "Text2_5");
    box->selectAll();
    QTest::keyClicks(box, "Zeppelin");
    EXPECT_EQ(rows().row(5).caption, "Zeppelin");
    EXPECT_EQ(rectangle(5)->text(), "Zeppelin");
    ASSERT_GE(spy.count(), 1);
    EXPECT_EQ(announcedRows(spy, spy.count() - 1), QList<int>{5});

    QTest::keyClicks(child<QLineEdit>(table, "Text4_5"), "77");
    EXPECT_EQ(rows().row(5).T, "77");
}

TEST_F(RowsThroughTheDocument, TheLocatorEditsTheDocumentTheTableShows)
{
    QTest::mouseClick(rectangle(2), Qt::LeftButton, {}, QPoint(3, 3));
    QLineEdit* caption = child<QLineEdit>(locator.get(), "Text1");
    caption->selectAll();
    QTest::keyClicks(caption, "Mustang");
    EXPECT_EQ(rows().row(2).caption, "Mustang");
    EXPECT_EQ(text(table, "Text2_2"), "Mustang");

    // Passing over a rectangle copies its place into the document.
    common::PictureRectangle* r = rectangle(2);
    moveWithButtons(r, {4, 4}, Qt::NoButton);
    const QRect g = r->geometry();
    EXPECT_EQ(rows().row(2),
        (ButtonRow{"Mustang", std::to_string(g.x()), std::to_string(g.y()), std::to_string(g.width()),
            std::to_string(g.height())}));
    EXPECT_EQ(cells(2),
        QStringList({"Mustang", QString::number(g.x()), QString::number(g.y()), QString::number(g.width()),
            QString::number(g.height())}));
}

TEST_F(RowsThroughTheDocument, UndoingATableEditPutsTheDocumentBack)
{
    QLineEdit* box = child<QLineEdit>(table, "Text2_1");
    const QString was = box->text();
    box->selectAll();
    QTest::keyClicks(box, "Typed");
    rows().closeStep();
    EXPECT_EQ(rectangle(1)->text(), "Typed");

    rows().stack()->undo();
    EXPECT_EQ(rows().row(1).caption, was.toStdString());
    EXPECT_EQ(rectangle(1)->text(), was);
}

// The hangar window shows a document of its own.
class HangarThroughTheDocument : public MenuwrightWindows {
protected:
    HangarThroughTheDocument()
    {
        QTest::mouseClick(child<QPushButton>(locator.get(), "Command4"), Qt::LeftButton);
        hangar = &module.ph1();
    }
    ScreenRowsDocument& rows() { return module.hangarRows(); }
    common::PictureRectangle* rectangle(int i) { return child<common::PictureRectangle>(hangar, indexed("Label2", i)); }
    QStringList cells(int i) { return rowTexts(hangar, i); }

    HangarTableWindow* hangar = nullptr;
};

TEST_F(HangarThroughTheDocument, HoldsTheDefaultCaptionsTheWindowShows)
{
    ASSERT_EQ(rows().rowCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(rows().row(i), (ButtonRow{HangarLayout::defaultCaptions()[i], "", "", "", ""})) << i;
        EXPECT_EQ(rectangle(i)->text(), QString::fromStdString(HangarLayout::defaultCaptions()[i]));
    }
}

TEST_F(HangarThroughTheDocument, TypedBoxesEditTheHangarRowsOnly)
{
    const ButtonRow selection = module.selectionRows().row(2);
    QLineEdit* box = child<QLineEdit>(hangar, "Text2_2");
    box->selectAll();
    QTest::keyClicks(box, "Briefing");
    QTest::keyClicks(child<QLineEdit>(hangar, "Text5_2"), "90");
    EXPECT_EQ(rows().row(2), (ButtonRow{"Briefing", "", "", "90", ""}));
    EXPECT_EQ(rectangle(2)->text(), "Briefing");
    EXPECT_EQ(module.selectionRows().row(2), selection);
}

TEST_F(HangarThroughTheDocument, ALoadFillsTheBoxesAndPlacesTheRectangles)
{
    std::istringstream in(numberedLayoutText(25));
    EXPECT_EQ(rows().loadRows(in, 0, 4), 5);
    EXPECT_EQ(cells(4), QStringList({"F4", "14", "24", "34", "44"}));
    EXPECT_EQ(rectangle(4)->text(), "F4");
    EXPECT_EQ(rectangle(4)->geometry(), QRect(14, 24, 34, 44));

    // Typed coordinates leave the rectangle; passing over it copies its
    // place back into the rows.
    rows().setCoordinates(4, "1", "2", "3", "4");
    EXPECT_EQ(cells(4), QStringList({"F4", "1", "2", "3", "4"}));
    EXPECT_EQ(rectangle(4)->geometry(), QRect(14, 24, 34, 44));
    moveWithButtons(rectangle(4), {3, 3}, Qt::NoButton);
    EXPECT_EQ(rows().row(4), (ButtonRow{"F4", "14", "24", "34", "44"}));
    EXPECT_EQ(cells(4), QStringList({"F4", "14", "24", "34", "44"}));
}

} // namespace
} // namespace menuwright::testing
