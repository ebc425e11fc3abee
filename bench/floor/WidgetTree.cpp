// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/floor/WidgetTree.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QTreeView>
#include <QWidget>

#include <algorithm>
#include <array>
#include <string_view>

namespace bench {

namespace {

// Item views list the contents of this many rows at most: what a start
// shows, without writing out a million-row table.
constexpr int kRowsDescribed = 200;

constexpr std::array<std::string_view, 30> kKinds
    = {"QMainWindow", "QTabWidget", "QStackedWidget", "QGroupBox", "QLabel", "QLineEdit", "QPushButton", "QToolButton",
        "QCheckBox", "QRadioButton", "QComboBox", "QSpinBox", "QDoubleSpinBox", "QListView", "QTableView", "QTreeView",
        "QPlainTextEdit", "QTextEdit", "QScrollArea", "QAbstractScrollArea", "QScrollBar", "QSlider", "QProgressBar",
        "QToolBar", "QStatusBar", "QMenuBar", "QSplitter", "QFrame", "QDialog", "QWidget"};

QString kindOf(const QWidget& w)
{
    for (const QMetaObject* m = w.metaObject(); m != nullptr; m = m->superClass()) {
        const std::string_view name = m->className();
        if (std::find(kKinds.begin(), kKinds.end(), name) != kKinds.end())
            return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    return "QWidget";
}

// Qt's own parts of a widget, which its kind brings along.
bool isQtPart(const QWidget& w)
{
    return w.objectName().startsWith("qt_") || w.inherits("QSizeGrip") || w.inherits("QSplitterHandle");
}

QList<QWidget*> partsOf(const QWidget& w)
{
    QList<QWidget*> parts;
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&w)) {
        for (int i = 0; i < tabs->count(); ++i)
            parts << tabs->widget(i);
        return parts;
    }
    if (const auto* area = qobject_cast<const QScrollArea*>(&w)) {
        if (area->widget() != nullptr)
            parts << area->widget();
        return parts;
    }
    if (qobject_cast<const QAbstractScrollArea*>(&w) || qobject_cast<const QComboBox*>(&w)
        || qobject_cast<const QAbstractSpinBox*>(&w))
        return parts;
    for (QWidget* child : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && !isQtPart(*child))
            parts << child;
    return parts;
}

QString textOf(const QWidget& w)
{
    if (w.isWindow())
        return w.windowTitle();
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w))
        return button->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(&w))
        return edit->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(&w))
        return box->title();
    if (const auto* combo = qobject_cast<const QComboBox*>(&w))
        return combo->currentText();
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(&w))
        return spin->text();
    if (const auto* status = qobject_cast<const QStatusBar*>(&w))
        return status->currentMessage();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(&w))
        return plain->toPlainText();
    if (const auto* rich = qobject_cast<const QTextEdit*>(&w))
        return rich->toPlainText();
    return {};
}

QStringList itemsOf(const QAbstractItemView& view)
{
    const QAbstractItemModel* model = view.model();
    const int rows = model ? model->rowCount() : 0;
    const int cols = model ? model->columnCount() : 0;
    const auto* table = qobject_cast<const QTableView*>(&view);
    const auto* tree = qobject_cast<const QTreeView*>(&view);
    const QHeaderView* top = table ? table->horizontalHeader() : tree ? tree->header() : nullptr;
    const QHeaderView* side = table ? table->verticalHeader() : nullptr;
    const QScrollBar* scroll = view.verticalScrollBar();
    const int described = std::min(rows, kRowsDescribed);
    QStringList out{QString::number(rows), QString::number(cols), top && !top->isHidden() ? "1" : "0",
        side && !side->isHidden() ? "1" : "0", QString::number(view.currentIndex().row()),
        QString::number(scroll ? scroll->value() : 0), QString::number(side ? side->defaultSectionSize() : 0)};
    for (int c = 0; c < cols; ++c)
        out << QString::number(top ? top->sectionSize(c) : 0);
    for (int c = 0; c < cols; ++c)
        out << escapeTreeField(model->headerData(c, Qt::Horizontal).toString());
    for (int r = 0; r < described; ++r)
        out << escapeTreeField(model->headerData(r, Qt::Vertical).toString());
    for (int r = 0; r < described; ++r)
        for (int c = 0; c < cols; ++c)
            out << escapeTreeField(model->index(r, c).data().toString());
    return out;
}

QStringList extrasOf(const QWidget& w)
{
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&w)) {
        QStringList out{QString::number(tabs->currentIndex())};
        for (int i = 0; i < tabs->count(); ++i)
            out << escapeTreeField(tabs->tabText(i));
        return out;
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&w)) {
        QStringList out{QString::number(combo->currentIndex())};
        for (int i = 0; i < std::min(combo->count(), kRowsDescribed); ++i)
            out << escapeTreeField(combo->itemText(i));
        return out;
    }
    if (const auto* view = qobject_cast<const QAbstractItemView*>(&w))
        return itemsOf(*view);
    if (const auto* bar = qobject_cast<const QMenuBar*>(&w)) {
        QStringList out;
        for (const QAction* action : bar->actions())
            out << escapeTreeField(action->text());
        return out;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w); button && !button->icon().isNull())
        return {"icon"};
    QStringList out;
    if (const auto* frame = qobject_cast<const QFrame*>(&w); frame && frame->frameStyle() != 0)
        out << "frame" << QString::number(frame->frameStyle());
    if (w.autoFillBackground())
        out << "filled";
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        out << "align" << QString::number(label->alignment());
        const QPixmap picture = label->pixmap();
        if (!picture.isNull())
            out << "pixmap" << QString::number(picture.width()) << QString::number(picture.height());
    }
    return out;
}

void describe(const QWidget& w, int depth, QStringList& lines)
{
    const QRect g = w.geometry();
    QStringList fields{QString::number(depth), kindOf(w), QString::number(g.x()), QString::number(g.y()),
        QString::number(g.width()), QString::number(g.height()),
        w.isWindow() || w.isVisibleTo(w.parentWidget()) ? "1" : "0",
        w.testAttribute(Qt::WA_SetFont) ? w.font().toString() : QString(), escapeTreeField(textOf(w))};
    fields << extrasOf(w);
    lines << fields.join('\t');
    for (const QWidget* part : partsOf(w))
        describe(*part, depth + 1, lines);
}

} // namespace

QString escapeTreeField(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

QString unescapeTreeField(const QString& field)
{
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const QChar next = field[++i];
        out += next == 't' ? QChar('\t') : next == 'n' ? QChar('\n') : next == 'r' ? QChar('\r') : next;
    }
    return out;
}

QStringList describeWidgetTree(const QWidget& window)
{
    QStringList lines;
    describe(window, 0, lines);
    return lines;
}

} // namespace bench
