#include "ButtonRowsHistory.h"

#include "PictureRectangle.h"
#include "UndoButtons.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QUndoStack>

#include <numeric>

namespace common {

class ButtonRowsHistory::Step : public QUndoCommand {
public:
    Step(ButtonRowsHistory& history, const QString& what, std::vector<Change> changes)
        : QUndoCommand(what), history_(history), changes_(std::move(changes))
    {
    }

    void undo() override
    {
        for (auto it = changes_.rbegin(); it != changes_.rend(); ++it)
            history_.apply(*it, false);
    }

    void redo() override
    {
        // Pushing runs redo once; the rows hold the change already then.
        if (first_) {
            first_ = false;
            return;
        }
        for (const Change& change : changes_)
            history_.apply(change, true);
    }

private:
    ButtonRowsHistory& history_;
    std::vector<Change> changes_;
    bool first_ = true;
};

ButtonRowsHistory::ButtonRowsHistory(std::vector<Row> rows, QObject* parent)
    : QObject(parent), rows_(std::move(rows)), stack_(new QUndoStack(this))
{
    base_.resize(rows_.size());
    takeAsBase();
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const int row = static_cast<int>(r);
        for (QLineEdit* box : rows_[r].boxes) {
            if (!box)
                continue;
            connect(box, &QLineEdit::textEdited, this, &ButtonRowsHistory::markTyping);
            connect(box, &QLineEdit::editingFinished, this, [this, row] { record(tr("Edit"), {row}); });
        }
        if (QAbstractButton* check = rows_[r].check)
            connect(check, &QAbstractButton::clicked, this, [this, row, check] {
                record(QString(check->text()).remove(QLatin1Char('&')), {row});
            });
    }
    connect(stack_, &QUndoStack::cleanChanged, this, &ButtonRowsHistory::announce);
}

StandardActions ButtonRowsHistory::addCommands(QWidget* window, QBoxLayout* row, StandardActions::Commands others)
{
    return addUndoCommands(stack_, window, row, std::move(others));
}

ButtonRowsHistory::State ButtonRowsHistory::current(int row) const
{
    const Row& r = rows_.at(static_cast<std::size_t>(row));
    State s;
    for (std::size_t k = 0; k < 5; ++k)
        if (r.boxes[k])
            s.texts[k] = r.boxes[k]->text();
    if (r.rectangle) {
        s.geometry = r.rectangle->geometry();
        s.shown = !r.rectangle->isHidden();
    }
    if (r.check)
        s.checked = r.check->isChecked();
    return s;
}

std::vector<int> ButtonRowsHistory::rowsOrAll(const std::vector<int>& rows) const
{
    if (!rows.empty())
        return rows;
    std::vector<int> all(rows_.size());
    std::iota(all.begin(), all.end(), 0);
    return all;
}

bool ButtonRowsHistory::record(const QString& what, const std::vector<int>& rows)
{
    std::vector<Change> changes;
    for (int row : rowsOrAll(rows)) {
        State now = current(row);
        State& before = base_.at(static_cast<std::size_t>(row));
        if (now != before)
            changes.push_back({row, before, now});
        before = std::move(now);
    }
    typing_ = false;
    if (changes.empty()) {
        announce();
        return false;
    }
    stack_->push(new Step(*this, what, std::move(changes)));
    announce();
    return true;
}

void ButtonRowsHistory::takeAsBase(const std::vector<int>& rows)
{
    for (int row : rowsOrAll(rows))
        base_.at(static_cast<std::size_t>(row)) = current(row);
}

void ButtonRowsHistory::apply(const Change& change, bool forward)
{
    const State& from = forward ? change.before : change.after;
    const State& to = forward ? change.after : change.before;
    const Row& r = rows_.at(static_cast<std::size_t>(change.row));
    for (std::size_t k = 0; k < 5; ++k)
        if (from.texts[k] != to.texts[k])
            r.boxes[k]->setText(to.texts[k]);
    if (from.geometry != to.geometry)
        r.rectangle->setGeometry(to.geometry);
    if (from.shown != to.shown)
        r.rectangle->setVisible(to.shown);
    if (from.checked != to.checked)
        r.check->setChecked(to.checked);
    base_.at(static_cast<std::size_t>(change.row)) = current(change.row);
    typing_ = false;
}

void ButtonRowsHistory::markTyping()
{
    typing_ = true;
    announce();
}

void ButtonRowsHistory::markSaved()
{
    typing_ = false;
    stack_->setClean();
    announce();
}

bool ButtonRowsHistory::modified() const
{
    return typing_ || !stack_->isClean();
}

void ButtonRowsHistory::announce()
{
    const bool now = modified();
    if (now == lastModified_)
        return;
    lastModified_ = now;
    emit modifiedChanged(now);
}

} // namespace common
