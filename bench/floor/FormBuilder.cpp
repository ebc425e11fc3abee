// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormBuilder.h"

#include "TextRowsModel.h"

#include "bench/floor/WidgetTree.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <QStyle>

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

namespace bench {

namespace {

struct Line {
    int depth = 0;
    QString kind;
    QRect geometry;
    bool shown = true;
    QString font;
    QString text;
    QStringList extras;
};

Line parse(const QString& text)
{
    const QStringList f = text.split('\t');
    Line line;
    if (f.size() < 9)
        return line;
    line.depth = f[0].toInt();
    line.kind = f[1];
    line.geometry = QRect(f[2].toInt(), f[3].toInt(), f[4].toInt(), f[5].toInt());
    line.shown = f[6] == "1";
    line.font = f[7];
    line.text = unescapeTreeField(f[8]);
    for (qsizetype i = 9; i < f.size(); ++i)
        line.extras << unescapeTreeField(f[i]);
    return line;
}

int extra(const Line& line, qsizetype i)
{
    return i < line.extras.size() ? line.extras[i].toInt() : 0;
}

void fillView(QAbstractItemView* view, const Line& line)
{
    const int rows = extra(line, 0);
    const int cols = extra(line, 1);
    // Where each part of the description starts.
    const qsizetype widthsAt = 7;
    const qsizetype captionsAt = widthsAt + cols;
    const qsizetype rowCaptionsAt = captionsAt + cols;
    // Each row described has its caption and its cells.
    const int described = static_cast<int>(std::max<qsizetype>(0, line.extras.size() - rowCaptionsAt) / (1 + cols));
    const qsizetype cellsAt = rowCaptionsAt + described;
    auto* model = new TextRowsModel(rows, line.extras.mid(captionsAt, cols), line.extras.mid(rowCaptionsAt, described),
        line.extras.mid(cellsAt), view);
    view->setModel(model);
    if (auto* table = qobject_cast<QTableView*>(view)) {
        table->horizontalHeader()->setVisible(extra(line, 2) != 0);
        table->verticalHeader()->setVisible(extra(line, 3) != 0);
        if (extra(line, 6) > 0)
            table->verticalHeader()->setDefaultSectionSize(extra(line, 6));
        for (int c = 0; c < cols; ++c)
            table->setColumnWidth(c, extra(line, widthsAt + c));
    } else if (auto* tree = qobject_cast<QTreeView*>(view)) {
        tree->header()->setVisible(extra(line, 2) != 0);
        for (int c = 0; c < cols; ++c)
            tree->setColumnWidth(c, extra(line, widthsAt + c));
    }
    if (const int current = extra(line, 4); current >= 0 && current < rows) {
        view->setCurrentIndex(model->index(current, 0));
        // The view has no size yet to scroll in: a view scrolled away from
        // the top is taken to show its current row in the middle.
        if (extra(line, 5) > 0)
            view->scrollTo(model->index(current, 0), QAbstractItemView::PositionAtCenter);
    }
}

QWidget* make(const Line& line)
{
    const QString& k = line.kind;
    if (k == "QMainWindow")
        return new QMainWindow;
    if (k == "QTabWidget")
        return new QTabWidget;
    if (k == "QStackedWidget")
        return new QStackedWidget;
    if (k == "QGroupBox")
        return new QGroupBox(line.text);
    if (k == "QLabel") {
        auto* label = new QLabel(line.text);
        if (const qsizetype at = line.extras.indexOf("align"); at >= 0)
            label->setAlignment(Qt::Alignment(extra(line, at + 1)));
        if (const qsizetype at = line.extras.indexOf("pixmap"); at >= 0) {
            QPixmap picture(extra(line, at + 1), extra(line, at + 2));
            picture.fill(Qt::gray);
            label->setPixmap(picture);
        }
        return label;
    }
    if (k == "QLineEdit")
        return new QLineEdit(line.text);
    if (k == "QPushButton") {
        auto* button = new QPushButton(line.text);
        if (line.extras.value(0) == "icon")
            button->setIcon(button->style()->standardIcon(QStyle::SP_FileIcon));
        return button;
    }
    if (k == "QToolButton") {
        auto* button = new QToolButton;
        button->setText(line.text);
        return button;
    }
    if (k == "QCheckBox")
        return new QCheckBox(line.text);
    if (k == "QRadioButton")
        return new QRadioButton(line.text);
    if (k == "QComboBox") {
        auto* combo = new QComboBox;
        combo->addItems(line.extras.mid(1));
        combo->setCurrentIndex(extra(line, 0));
        return combo;
    }
    if (k == "QSpinBox") {
        auto* spin = new QSpinBox;
        spin->setRange(INT_MIN, INT_MAX);
        spin->setValue(line.text.toInt());
        return spin;
    }
    if (k == "QDoubleSpinBox") {
        auto* spin = new QDoubleSpinBox;
        spin->setRange(-1e12, 1e12);
        spin->setValue(line.text.toDouble());
        return spin;
    }
    if (k == "QListView" || k == "QTableView" || k == "QTreeView") {
        QAbstractItemView* view = k == "QListView" ? static_cast<QAbstractItemView*>(new QListView)
            : k == "QTableView"                    ? static_cast<QAbstractItemView*>(new QTableView)
                                                   : static_cast<QAbstractItemView*>(new QTreeView);
        fillView(view, line);
        return view;
    }
    if (k == "QPlainTextEdit")
        return new QPlainTextEdit(line.text);
    if (k == "QTextEdit") {
        auto* edit = new QTextEdit;
        edit->setPlainText(line.text);
        return edit;
    }
    if (k == "QScrollArea")
        return new QScrollArea;
    if (k == "QAbstractScrollArea")
        return new QAbstractScrollArea;
    if (k == "QScrollBar")
        return new QScrollBar;
    if (k == "QSlider")
        return new QSlider;
    if (k == "QProgressBar")
        return new QProgressBar;
    if (k == "QToolBar")
        return new QToolBar(line.text);
    if (k == "QStatusBar") {
        auto* status = new QStatusBar;
        status->showMessage(line.text);
        return status;
    }
    if (k == "QMenuBar") {
        auto* bar = new QMenuBar;
        for (const QString& title : line.extras)
            bar->addMenu(title);
        return bar;
    }
    if (k == "QSplitter")
        return new QSplitter;
    if (k == "QFrame")
        return new QFrame;
    return new QWidget;
}

// Puts `child` where the program's window had it: the kinds that manage
// their parts take it as a part, any other widget as a child at its place.
void attach(QWidget* parent, const Line& parentLine, QWidget* child, const Line& line, int index)
{
    if (auto* window = qobject_cast<QMainWindow*>(parent)) {
        if (auto* bar = qobject_cast<QToolBar*>(child))
            window->addToolBar(bar);
        else if (auto* status = qobject_cast<QStatusBar*>(child))
            window->setStatusBar(status);
        else if (auto* menu = qobject_cast<QMenuBar*>(child))
            window->setMenuBar(menu);
        else if (window->centralWidget() == nullptr)
            window->setCentralWidget(child);
        else
            child->setParent(parent);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
        tabs->addTab(child, parentLine.extras.value(index + 1));
        if (index == extra(parentLine, 0))
            tabs->setCurrentIndex(index);
        return;
    } else if (auto* stack = qobject_cast<QStackedWidget*>(parent)) {
        stack->addWidget(child);
    } else if (auto* area = qobject_cast<QScrollArea*>(parent)) {
        area->setWidget(child);
    } else if (auto* bar = qobject_cast<QToolBar*>(parent)) {
        bar->addWidget(child);
    } else if (auto* status = qobject_cast<QStatusBar*>(parent)) {
        status->addWidget(child);
    } else {
        child->setParent(parent);
    }
    child->setGeometry(line.geometry);
    if (!line.shown)
        child->hide();
}

} // namespace

QWidget* buildForm(const QStringList& lines)
{
    // The widgets along the current branch, each with its parts so far.
    struct Branch {
        QWidget* widget;
        Line line;
        int parts = 0;
    };
    std::vector<Branch> open;
    QWidget* window = nullptr;
    for (const QString& text : lines) {
        if (text.isEmpty())
            continue;
        Line line = parse(text);
        QWidget* widget = make(line);
        // Only these kinds list their looks; the others list their contents.
        if (line.kind == "QLabel" || line.kind == "QFrame" || line.kind == "QWidget") {
            if (auto* frame = qobject_cast<QFrame*>(widget); frame && line.extras.contains("frame"))
                frame->setFrameStyle(extra(line, line.extras.indexOf("frame") + 1));
            widget->setAutoFillBackground(line.extras.contains("filled"));
        }
        if (!line.font.isEmpty()) {
            QFont font;
            if (font.fromString(line.font))
                widget->setFont(font);
        }
        if (line.depth == 0 || open.empty()) {
            window = widget;
            window->setWindowTitle(line.text);
            window->resize(line.geometry.size());
            open.assign(1, {widget, std::move(line)});
            continue;
        }
        while (static_cast<int>(open.size()) > line.depth)
            open.pop_back();
        Branch& parent = open.back();
        attach(parent.widget, parent.line, widget, line, parent.parts++);
        open.push_back({widget, std::move(line)});
    }
    return window;
}

} // namespace bench
