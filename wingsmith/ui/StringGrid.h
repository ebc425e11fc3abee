// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QStringList>
#include <QTableWidget>

#include <functional>
#include <vector>

namespace wingsmith {

// A grid of number cells. The window fills it from the aircraft values and
// commits it when the user leaves it. A cell the user has not changed keeps
// the stored value: the text the program wrote may show fewer digits than
// the value has, and reading it back would quietly round the value.
class StringGrid : public QTableWidget {
    Q_OBJECT

public:
    StringGrid(const QString& name, int rows, int columns, QWidget* parent = nullptr);

    // Row captions at the left (empty strings leave a row unmarked) and
    // column captions at the top; an empty list hides that header.
    void setRowCaptions(const QStringList& captions);
    void setColumnCaptions(const QStringList& captions);
    // A tooltip for a row: its caption and its cells.
    void setRowToolTip(int row, const QString& tip);
    // Column width in pixels; the grid is sized to show every cell.
    void setCellWidth(int pixels);

    // Writes a cell as the program's own text.
    void fillCell(int row, int column, const QString& text);
    QString cellText(int row, int column) const;
    // Types a text into a cell as the user would.
    void typeCell(int row, int column, const QString& text);

    // Visits the cells in commit order (rows top to bottom, columns left to
    // right) whose text the user changed. `store` converts and stores one
    // cell; when it throws, the visit stops there and the exception goes on,
    // so the cells before it are committed and the rest keep their values.
    void commitEdits(const std::function<void(int row, int column, const QString& text)>& store);

    // Closes an open cell editor, keeping what was typed in it.
    void finishEditing();

signals:
    void userEdited();

protected:
    // Forgets the editor the view closes itself, so that finishEditing never
    // hands the view an editor it no longer owns.
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void fitSize();
    QString& shown(int row, int column);

    std::vector<QString> shownTexts_;
    bool filling_ = false;
    int cellWidth_ = 100;
    QPointer<QWidget> editor_;
    friend class StringGridDelegate;
};

} // namespace wingsmith
