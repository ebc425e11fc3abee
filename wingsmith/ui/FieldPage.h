// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldGrid.h"
#include "PageCatalogue.h"
#include "PageHooks.h"
#include "StringGrid.h"

#include <QString>

#include <initializer_list>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace wingsmith {

class UpDown;

// A page of the window built from the fields the catalogue puts on it: a
// view of the aircraft shown, which sends the user's input back as edits.
// It keeps a plain widget rather than being one, and goes with it: a widget
// class a page would bring its own tables and meta-object for nothing.
class FieldPage {
public:
    FieldPage(const char* page, const PageCatalogue& catalogue, PageHooks& hooks, QWidget* parent = nullptr);
    FieldPage(const FieldPage&) = delete;
    FieldPage& operator=(const FieldPage&) = delete;
    virtual ~FieldPage() = default;

    // The page as the window shows it; deleting it deletes the page.
    QWidget* widget() const { return widget_; }

    const std::vector<FieldGrid>& grids() const { return grids_; }
    // What the "Unknown" rows are, for their tooltips.
    static QString unknownValueTip();
    // Makes `edit` `width` wide, or wide enough for the widest int16, which
    // a damaged or modded file may hold.
    static void fitInt16(QLineEdit* edit, int width);
    virtual void fill(const AircraftValues& values);
    // Commits a grid of this page that the user typed into; a text that
    // does not read is reported and stops the grid there.
    // False when the grid is not this page's.
    bool commitGrid(StringGrid* grid);

protected:
    const std::vector<PageField>& fields() const { return fields_; }
    PageHooks& hooks() const { return hooks_; }
    // A box to commit when it is left, once the user clicked it.
    void commitWhenLeft(QCheckBox* box);
    StringGrid* addGrid(const QString& name, std::vector<PageField> fields, int columns, int decimals, int cellWidth);
    // A catalogue text, or one of the page's own, as the user's language
    // shows it.
    static QString shown(const std::string& text);
    static QString text(const char* s);
    // Several of the page's own texts; a null one is a blank.
    static QStringList texts(std::initializer_list<const char*> s);
    // A control's name: `name` and its number.
    static QString numbered(const char* name, int n);
    // A field and its arrows side by side, as one control.
    static QWidget* withArrows(QLineEdit* edit, UpDown* arrows);
    // A heading over a part of the page.
    static QLabel* caption(const QString& s);

private:
    QWidget* widget_;
    std::vector<PageField> fields_;
    PageHooks& hooks_;
    std::vector<FieldGrid> grids_;
};

} // namespace wingsmith
