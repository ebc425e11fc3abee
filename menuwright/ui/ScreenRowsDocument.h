#pragma once

#include "menuwright/menufile/ButtonRow.h"

#include <QList>
#include <QObject>
#include <QString>

#include <istream>
#include <vector>

namespace menuwright {

// The button rows of one screen, as every window of that screen shows them.
// Windows send their edits and loads here and update from rowsChanged, so
// none of them writes another's boxes or rectangles.
class ScreenRowsDocument : public QObject {
    Q_OBJECT

public:
    enum class Field { Caption, L, T, W, H };
    // Edited: texts only; the rectangles keep where they are until the user
    // copies them. Loaded: the rows came from a layout text file, so the
    // rectangles are placed from their coordinates.
    enum class Change { Edited, Loaded };
    Q_ENUM(Change)

    ScreenRowsDocument(int rowCount, QObject* parent = nullptr);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    const ButtonRow& row(int i) const;
    QString text(int i, Field field) const;

    void setText(int i, Field field, const QString& text);
    void setCaption(int i, const QString& caption) { setText(i, Field::Caption, caption); }
    // L, T, W, H as texts.
    void setCoordinates(int i, const QString& L, const QString& T, const QString& W, const QString& H);
    void setRow(int i, const ButtonRow& row);
    // Reads rows first..last from a layout text file's stream; a short file
    // leaves the rows it does not reach unchanged. Returns the rows read.
    int loadRows(std::istream& in, int first, int last);

signals:
    // The rows whose texts changed, in row order; a change that leaves
    // every text as it was is not announced.
    void rowsChanged(const QList<int>& rows, menuwright::ScreenRowsDocument::Change change);

private:
    bool store(int i, const ButtonRow& row);

    std::vector<ButtonRow> rows_;
};

} // namespace menuwright
