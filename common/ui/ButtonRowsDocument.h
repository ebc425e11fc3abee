// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class QUndoStack;

namespace common {

// The button rows of one screen (caption, L, T, W, H and the rectangle on
// the picture), the screen's picture name and fixed caption length, and
// their undo stack. Windows send their edits here and update from
// rowsChanged and screenChanged; every step of the stack is one edit made
// by its redo.
class ButtonRowsDocument : public QObject {
    Q_OBJECT

public:
    enum class Field { Caption, L, T, W, H };
    // Loaded: the rows came from a file and were placed from their
    // coordinates; they are announced even when they read so already.
    enum class Change { Edited, Loaded };
    Q_ENUM(Change)

    struct Row {
        std::array<QString, 5> texts; // by Field
        // The rectangle on the picture; typed coordinates do not move it.
        QRect place;
        bool shown = false;
        const QString& text(Field field) const { return texts[static_cast<std::size_t>(field)]; }
        bool operator==(const Row&) const = default;
    };

    explicit ButtonRowsDocument(int rowCount, QObject* parent = nullptr);
    ~ButtonRowsDocument() override;

    int rowCount() const { return static_cast<int>(state_.rows.size()); }
    const Row& rowAt(int i) const;
    QString text(int i, Field field) const { return rowAt(i).text(field); }
    const QString& pictureName() const { return state_.pictureName; }
    const QString& fixedLength() const { return state_.fixedLength; }
    bool fixedNames() const { return state_.fixedNames; }

    // Each edit below, made on its own, is a step; the edits of one box (or
    // one rectangle's drag) follow each other into one step until
    // closeStep.
    void setText(int i, Field field, const QString& text);
    void setCaption(int i, const QString& caption) { setText(i, Field::Caption, caption); }
    void setCoordinates(int i, const QString& L, const QString& T, const QString& W, const QString& H);
    void setTexts(int i, const std::array<QString, 5>& texts);
    void setPlace(int i, const QRect& place);
    void setShown(int i, bool shown);
    // The rectangle dragged to `place`, its coordinates as texts.
    void drag(int i, const QString& what, const QRect& place, const std::array<QString, 4>& coordinates);
    // Texts and place read from a file.
    void loadRow(int i, const std::array<QString, 5>& texts, const QRect& place);
    void setPictureName(const QString& name);
    void setFixedLength(const QString& length);
    void setFixedNames(bool fixed);

    // Every edit `change` makes is one step named `what`; inside another
    // edit or adopt it joins that one.
    void edit(const QString& what, const std::function<void()>& change);
    // What `change` sets is no step of the user's (a side's own captions, a
    // place copied from a rectangle passed over), inside an edit too; an
    // undo keeps it unless its step changed the same thing.
    void adopt(const std::function<void()>& change);
    // The next edit starts a step of its own.
    void closeStep();

    QUndoStack* stack() const { return stack_; }
    // The rows now match a file: modified until the next edit, or an undo
    // or redo away from here.
    void markSaved();
    bool modified() const;

signals:
    // The rows that changed, in row order.
    void rowsChanged(const QList<int>& rows, common::ButtonRowsDocument::Change change);
    // The picture name, the fixed length or whether it is used.
    void screenChanged();
    void modifiedChanged(bool modified);

private:
    struct State {
        std::vector<Row> rows;
        QString pictureName;
        QString fixedLength;
        bool fixedNames = false;
        bool operator==(const State&) const = default;
    };
    // What the edits that follow each other into one step have in common.
    struct Session {
        int row = -1;
        int part = -1; // a Field, or one of the kinds below
        bool operator==(const Session&) const = default;
        bool open() const { return part >= 0; }
    };
    class Step;

    Row& rowOf(State& state, int i) const;
    // A single edit: a step of its own, or part of the edit or adopt running.
    void commit(const State& after, Session session, const QString& what, QList<int> loaded = {});
    // Sets into `state` what differs between `from` and `to`, as `to` holds it.
    static void carry(State& state, const State& from, const State& to);
    void replace(const State& next, const QList<int>& loaded);
    void announce(const State& was, const QList<int>& loaded);

    State state_;
    QUndoStack* stack_;
    int depth_ = 0;
    // While an edit runs: where its step starts from.
    bool editing_ = false;
    State base_;
    QList<int> groupLoaded_;
    Session openSession_;
    bool pushing_ = false;
};

} // namespace common
