// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/floor/WidgetTree.h"

#include "bench/floor/FormBuilder.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace bench {
namespace {

// Everything but the place and size, which the rebuilt form's own layouts
// decide.
QStringList withoutPlaces(const QStringList& lines)
{
    QStringList out;
    for (const QString& line : lines) {
        QStringList f = line.split('\t');
        f.remove(2, 4);
        out << f.join('\t');
    }
    return out;
}

// The start-up benchmark holds a program against its own form rebuilt in
// bare Qt: a kind, text or content lost on the way would make that form
// cheaper than the program's and the comparison unfair.
TEST(WidgetTree, ABareQtFormBuiltFromTheDescriptionIsDescribedTheSame)
{
    QMainWindow window;
    window.setWindowTitle("Title\twith a tab");
    window.menuBar()->addMenu("&File");
    window.statusBar()->showMessage("Loaded");
    auto* tabs = new QTabWidget;
    auto* first = new QWidget;
    auto* layout = new QVBoxLayout(first);
    auto* heading = new QLabel("Two\nlines \\ one slash");
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    auto* list = new QListWidget;
    list->addItems({"Alpha", "Beta", "Gamma"});
    list->setCurrentRow(1);
    layout->addWidget(list);
    auto* table = new QTableWidget(300, 2);
    table->setHorizontalHeaderLabels({"Byte", "Value"});
    table->setVerticalHeaderItem(0, new QTableWidgetItem("Engine"));
    table->setItem(0, 1, new QTableWidgetItem("6.6875"));
    table->setItem(250, 0, new QTableWidgetItem("beyond the rows described"));
    layout->addWidget(table);
    auto* combo = new QComboBox;
    combo->addItems({"None", "Wing rack"});
    combo->setCurrentIndex(1);
    layout->addWidget(combo);
    auto* hidden = new QPushButton("Undo");
    hidden->hide();
    layout->addWidget(hidden);
    tabs->addTab(first, "&Choose Plane");
    tabs->addTab(new QLabel("second page"), "Text R&eader");
    tabs->setCurrentIndex(1);
    window.setCentralWidget(tabs);
    window.resize(500, 400);
    window.show();

    const QStringList lines = describeWidgetTree(window);
    // Qt's own parts (viewports, scroll bars, the tab bar) come with their
    // kinds and are not listed.
    for (const QString& line : lines)
        EXPECT_FALSE(line.contains("QScrollBar") || line.contains("QHeaderView")) << line.toStdString();
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("0\tQMainWindow\t"));
    EXPECT_TRUE(lines[0].contains("Title\\twith a tab"));
    const QString tableLine = lines.filter("\tQTableView\t").value(0);
    EXPECT_TRUE(tableLine.contains("\t300\t2\t")) << tableLine.toStdString();
    EXPECT_FALSE(tableLine.contains("beyond the rows described"));

    std::unique_ptr<QWidget> rebuilt(bench::buildForm(lines));
    ASSERT_NE(rebuilt, nullptr);
    rebuilt->show();
    const QStringList again = withoutPlaces(describeWidgetTree(*rebuilt));
    const QStringList expected = withoutPlaces(lines);
    ASSERT_EQ(again.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(again[i].toStdString(), expected[i].toStdString());
}

} // namespace
} // namespace bench
