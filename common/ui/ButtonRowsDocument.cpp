// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonRowsDocument.h"

#include <QUndoStack>

#include <algorithm>
#include <utility>

namespace common {

namespace {

// Session parts besides the five fields.
enum : int { kDragPart = 5, kPictureNamePart, kFixedLengthPart };

} // namespace

class ButtonRowsDocument::Step : public QUndoCommand {
public:
    Step(ButtonRowsDocument& document, const QString& what, State before, State after, Session session,
        QList<int> loaded)
        : QUndoCommand(what)
        , document_(document)
        , before_(std::move(before))
        , after_(std::move(after))
        , session_(session)
        , loaded_(std::move(loaded))
    {
    }

    int id() const override { return session_.open() ? 1 : -1; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const Step*>(other);
        if (next->session_ != session_ || document_.openSession_ != session_)
            return false;
        carry(after_, next->before_, next->after_);
        // Typed back to what it was: no step at all.
        setObsolete(before_ == after_);
        return true;
    }

    void redo() override
    {
        State next = document_.state_;
        carry(next, before_, after_);
        document_.replace(next, loaded_);
        if (!document_.pushing_)
            document_.openSession_ = {};
    }

    void undo() override
    {
        State next = document_.state_;
        carry(next, after_, before_);
        document_.replace(next, {});
        document_.openSession_ = {};
    }

private:
    ButtonRowsDocument& document_;
    State before_;
    State after_;
    Session session_;
    QList<int> loaded_;
};

ButtonRowsDocument::ButtonRowsDocument(int rowCount, QObject* parent) : QObject(parent), stack_(new QUndoStack(this))
{
    state_.rows.resize(static_cast<std::size_t>(rowCount));
    connect(stack_, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

ButtonRowsDocument::~ButtonRowsDocument()
{
    // The steps go before the rows they refer to; their views hear nothing.
    blockSignals(true);
    delete stack_;
}

const ButtonRowsDocument::Row& ButtonRowsDocument::rowAt(int i) const
{
    return state_.rows.at(static_cast<std::size_t>(i));
}

ButtonRowsDocument::Row& ButtonRowsDocument::rowOf(State& state, int i) const
{
    return state.rows.at(static_cast<std::size_t>(i));
}

void ButtonRowsDocument::setText(int i, Field field, const QString& text)
{
    State after = state_;
    rowOf(after, i).texts[static_cast<std::size_t>(field)] = text;
    commit(after, {i, static_cast<int>(field)}, tr("Edit"));
}

void ButtonRowsDocument::setCoordinates(int i, const QString& L, const QString& T, const QString& W, const QString& H)
{
    setTexts(i, {rowAt(i).text(Field::Caption), L, T, W, H});
}

void ButtonRowsDocument::setTexts(int i, const std::array<QString, 5>& texts)
{
    State after = state_;
    rowOf(after, i).texts = texts;
    commit(after, {}, tr("Edit"));
}

void ButtonRowsDocument::setPlace(int i, const QRect& place)
{
    State after = state_;
    rowOf(after, i).place = place;
    commit(after, {}, tr("Edit"));
}

void ButtonRowsDocument::setShown(int i, bool shown)
{
    State after = state_;
    rowOf(after, i).shown = shown;
    commit(after, {}, shown ? tr("Place") : tr("Hide"));
}

void ButtonRowsDocument::drag(int i, const QString& what, const QRect& place, const std::array<QString, 4>& coordinates)
{
    State after = state_;
    Row& row = rowOf(after, i);
    row.place = place;
    std::copy(coordinates.begin(), coordinates.end(), row.texts.begin() + 1);
    commit(after, {i, kDragPart}, what);
}

void ButtonRowsDocument::loadRow(int i, const std::array<QString, 5>& texts, const QRect& place)
{
    State after = state_;
    Row& row = rowOf(after, i);
    row.texts = texts;
    row.place = place;
    commit(after, {}, tr("Load"), {i});
}

void ButtonRowsDocument::setPictureName(const QString& name)
{
    State after = state_;
    after.pictureName = name;
    commit(after, {0, kPictureNamePart}, tr("Edit"));
}

void ButtonRowsDocument::setFixedLength(const QString& length)
{
    State after = state_;
    after.fixedLength = length;
    commit(after, {0, kFixedLengthPart}, tr("Edit"));
}

void ButtonRowsDocument::setFixedNames(bool fixed)
{
    State after = state_;
    after.fixedNames = fixed;
    commit(after, {}, tr("Edit"));
}

void ButtonRowsDocument::commit(const State& after, Session session, const QString& what, QList<int> loaded)
{
    if (depth_ > 0) {
        state_ = after;
        for (int i : loaded)
            if (!groupLoaded_.contains(i))
                groupLoaded_ << i;
        return;
    }
    if (after == state_) {
        if (!loaded.isEmpty())
            emit rowsChanged(loaded, Change::Loaded);
        return;
    }
    if (session != openSession_)
        openSession_ = {};
    pushing_ = true;
    stack_->push(new Step(*this, what, state_, after, session, std::move(loaded)));
    pushing_ = false;
    openSession_ = session;
}

void ButtonRowsDocument::edit(const QString& what, const std::function<void()>& change)
{
    if (depth_ > 0) {
        change();
        return;
    }
    closeStep();
    const State start = state_;
    base_ = state_;
    editing_ = true;
    ++depth_;
    change();
    --depth_;
    editing_ = false;
    // The step runs from what it started from and what was adopted along
    // the way, which stays when it is undone.
    const State before = std::exchange(base_, {});
    QList<int> loaded = std::exchange(groupLoaded_, {});
    std::sort(loaded.begin(), loaded.end());
    if (state_ == before) {
        announce(start, loaded);
        return;
    }
    // The edits ran on the rows so that each saw the one before; the step
    // makes them all at once, and the views hear of them then.
    const State after = std::exchange(state_, before);
    announce(start, {});
    pushing_ = true;
    stack_->push(new Step(*this, what, before, after, {}, std::move(loaded)));
    pushing_ = false;
}

void ButtonRowsDocument::adopt(const std::function<void()>& change)
{
    if (depth_ > 0) {
        const State start = state_;
        change();
        if (editing_)
            carry(base_, start, state_);
        return;
    }
    const State before = state_;
    ++depth_;
    change();
    --depth_;
    QList<int> loaded = std::exchange(groupLoaded_, {});
    std::sort(loaded.begin(), loaded.end());
    announce(before, loaded);
}

void ButtonRowsDocument::closeStep()
{
    openSession_ = {};
}

void ButtonRowsDocument::markSaved()
{
    closeStep();
    stack_->setClean();
}

bool ButtonRowsDocument::modified() const
{
    return !stack_->isClean();
}

void ButtonRowsDocument::carry(State& state, const State& from, const State& to)
{
    for (std::size_t i = 0; i < state.rows.size(); ++i) {
        Row& row = state.rows[i];
        const Row& a = from.rows[i];
        const Row& b = to.rows[i];
        for (std::size_t k = 0; k < row.texts.size(); ++k)
            if (a.texts[k] != b.texts[k])
                row.texts[k] = b.texts[k];
        if (a.place != b.place)
            row.place = b.place;
        if (a.shown != b.shown)
            row.shown = b.shown;
    }
    if (from.pictureName != to.pictureName)
        state.pictureName = to.pictureName;
    if (from.fixedLength != to.fixedLength)
        state.fixedLength = to.fixedLength;
    if (from.fixedNames != to.fixedNames)
        state.fixedNames = to.fixedNames;
}

void ButtonRowsDocument::replace(const State& next, const QList<int>& loaded)
{
    const State was = std::exchange(state_, next);
    announce(was, loaded);
}

void ButtonRowsDocument::announce(const State& was, const QList<int>& loaded)
{
    QList<int> changed;
    for (int i = 0; i < rowCount(); ++i)
        if (loaded.contains(i) || rowAt(i) != was.rows[static_cast<std::size_t>(i)])
            changed << i;
    // One announcement: a load's other edits are shown the same way.
    if (!changed.isEmpty())
        emit rowsChanged(changed, loaded.isEmpty() ? Change::Edited : Change::Loaded);
    if (was.pictureName != state_.pictureName || was.fixedLength != state_.fixedLength
        || was.fixedNames != state_.fixedNames)
        emit screenChanged();
}

} // namespace common
