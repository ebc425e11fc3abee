#include "ScreenRowsDocument.h"

#include "menuwright/menufile/LayoutText.h"

#include <stdexcept>

namespace menuwright {

namespace {

// For a row and a const row alike.
template <typename Row>
auto& field(Row& row, ScreenRowsDocument::Field f)
{
    switch (f) {
    case ScreenRowsDocument::Field::Caption:
        return row.caption;
    case ScreenRowsDocument::Field::L:
        return row.L;
    case ScreenRowsDocument::Field::T:
        return row.T;
    case ScreenRowsDocument::Field::W:
        return row.W;
    case ScreenRowsDocument::Field::H:
        return row.H;
    }
    throw std::invalid_argument("unknown button row field");
}

} // namespace

ScreenRowsDocument::ScreenRowsDocument(int rowCount, QObject* parent)
    : QObject(parent)
    , rows_(static_cast<std::size_t>(rowCount))
{
}

const ButtonRow& ScreenRowsDocument::row(int i) const
{
    return rows_.at(static_cast<std::size_t>(i));
}

QString ScreenRowsDocument::text(int i, Field f) const
{
    return QString::fromStdString(field(row(i), f));
}

bool ScreenRowsDocument::store(int i, const ButtonRow& row)
{
    ButtonRow& held = rows_.at(static_cast<std::size_t>(i));
    if (held == row)
        return false;
    held = row;
    return true;
}

void ScreenRowsDocument::setText(int i, Field f, const QString& text)
{
    ButtonRow changed = row(i);
    field(changed, f) = text.toStdString();
    setRow(i, changed);
}

void ScreenRowsDocument::setCoordinates(int i, const QString& L, const QString& T, const QString& W, const QString& H)
{
    setRow(i, {row(i).caption, L.toStdString(), T.toStdString(), W.toStdString(), H.toStdString()});
}

void ScreenRowsDocument::setRow(int i, const ButtonRow& row)
{
    if (store(i, row))
        emit rowsChanged({i}, Change::Edited);
}

int ScreenRowsDocument::loadRows(std::istream& in, int first, int last)
{
    const auto read = readLayoutRows(in, first, last);
    QList<int> changed;
    int i = first;
    for (const ButtonRow& r : read) {
        // A loaded row is announced even when it held these texts already:
        // its rectangle is placed from them.
        store(i, r);
        changed << i;
        ++i;
    }
    if (!changed.isEmpty())
        emit rowsChanged(changed, Change::Loaded);
    return static_cast<int>(read.size());
}

} // namespace menuwright
