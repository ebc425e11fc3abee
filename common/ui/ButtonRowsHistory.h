#pragma once

#include "common/ui/StandardActions.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

class QAbstractButton;
class QBoxLayout;
class QLineEdit;
class QUndoStack;
class QWidget;

namespace common {

class PictureRectangle;

// Undo and redo over the button rows of one screen: each row's caption and
// coordinate boxes and its rectangle on the picture, and such further boxes
// and check boxes of the screen as are given as rows of their own. A step keeps what the
// rows it touched held before and after; undoing it puts back only what the
// step itself changed, so a caption set since by a side choice stays.
class ButtonRowsHistory : public QObject {
    Q_OBJECT

public:
    // Caption, L, T, W, H boxes and the rectangle of one row; a row of a
    // single box or check box leaves the rest empty.
    struct Row {
        std::array<QLineEdit*, 5> boxes{};
        PictureRectangle* rectangle = nullptr;
        QAbstractButton* check = nullptr;
    };

    ButtonRowsHistory(std::vector<Row> rows, QObject* parent);

    QUndoStack* stack() const { return stack_; }
    // The window's standard commands: `others` (save, open, quit) and this
    // history's Undo and Redo, named actionUndo and actionRedo, with a button
    // for each put into `row`.
    StandardActions addCommands(QWidget* window, QBoxLayout* row, StandardActions::Commands others = {});

    // One step for what changed in `rows` (all rows when empty) since the
    // last step; false, and no step, when nothing did.
    bool record(const QString& what, const std::vector<int>& rows = {});
    // Takes the rows as they stand as the base of the next step, without a
    // step (for changes that are not the user's edits, such as a side's
    // built-in captions).
    void takeAsBase(const std::vector<int>& rows = {});
    // Typing in a box not yet committed still counts as a change.
    void markTyping();
    // The rows now match a file: the modified marker goes until the next
    // change, or an undo or redo away from here.
    void markSaved();
    bool modified() const;

signals:
    void modifiedChanged(bool modified);

private:
    struct State {
        std::array<QString, 5> texts;
        QRect geometry;
        bool shown = false;
        bool checked = false;
        bool operator==(const State&) const = default;
    };
    struct Change {
        int row;
        State before;
        State after;
    };
    class Step;

    State current(int row) const;
    // Sets into the row what differs between `from` and `to`, as `to` holds it.
    void apply(const Change& change, bool forward);
    std::vector<int> rowsOrAll(const std::vector<int>& rows) const;
    void announce();

    std::vector<Row> rows_;
    std::vector<State> base_;
    QUndoStack* stack_;
    bool typing_ = false;
    bool lastModified_ = false;
};

} // namespace common
