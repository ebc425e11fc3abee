// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../ui/Dialogs.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace common {

// Dialogs for window tests: answers come from queues the test fills, and
// everything shown is logged so the test can check texts and order.
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Message, Question, OpenFile, SaveFile, Folder, Modal };

    struct Event {
        Kind kind;
        QString title;
        QString text; // message text; empty for file dialogs and modal windows
        MessageIcon icon = MessageIcon::Information;
        FileDialogRequest request; // file dialogs only
        std::optional<CancellableQuestion> buttons; // cancellable questions only
    };

    // Answers to question() and cancellableQuestion(); once empty, questions
    // are answered No, cancellable ones Cancel.
    std::deque<Answer> answers;
    // Results of openFile/saveFile/chooseFolder; once empty, they are cancelled.
    std::deque<std::optional<QString>> files;
    // Handlers of exec(): each may work the dialog's controls and returns its
    // result code; once empty, modal windows are rejected.
    std::deque<std::function<int(QDialog&)>> modals;

    std::vector<Event> events;
    // How many dialogs found no scripted answer and took the default.
    int unscripted = 0;

    // Texts of the message and question boxes, in the order shown.
    QStringList texts() const;

    void message(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) override;
    Answer question(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) override;
    Answer cancellableQuestion(QWidget* parent, const QString& title, const QString& text,
        CancellableQuestion buttons) override;
    std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> chooseFolder(QWidget* parent, const QString& title, const QString& directory) override;
    int exec(QDialog& dialog) override;

private:
    std::optional<QString> nextFile();
};

// Installs a ScriptedDialogs for the lifetime of a test and puts the
// previous implementation back afterwards.
class ScopedScriptedDialogs {
public:
    ScopedScriptedDialogs();
    ~ScopedScriptedDialogs();
    ScopedScriptedDialogs(const ScopedScriptedDialogs&) = delete;
    ScopedScriptedDialogs& operator=(const ScopedScriptedDialogs&) = delete;

    ScriptedDialogs* operator->() { return scripted_; }
    ScriptedDialogs& operator*() { return *scripted_; }

private:
    ScriptedDialogs* scripted_;
    std::unique_ptr<Dialogs> previous_;
};

} // namespace common
