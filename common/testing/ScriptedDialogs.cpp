// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedDialogs.h"

#include <QDialog>

namespace common {

QStringList ScriptedDialogs::texts() const
{
    QStringList out;
    for (const auto& e : events)
        if (e.kind == Kind::Message || e.kind == Kind::Question)
            out << e.text;
    return out;
}

void ScriptedDialogs::message(QWidget*, const QString& title, const QString& text, MessageIcon icon)
{
    events.push_back({Kind::Message, title, text, icon, {}, {}});
}

Answer ScriptedDialogs::question(QWidget*, const QString& title, const QString& text, MessageIcon icon)
{
    events.push_back({Kind::Question, title, text, icon, {}, {}});
    if (answers.empty()) {
        ++unscripted;
        return Answer::No;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

Answer ScriptedDialogs::cancellableQuestion(
    QWidget*, const QString& title, const QString& text, CancellableQuestion buttons)
{
    events.push_back({Kind::Question, title, text, MessageIcon::Question, {}, buttons});
    if (answers.empty()) {
        ++unscripted;
        return Answer::Cancel;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> ScriptedDialogs::nextFile()
{
    if (files.empty()) {
        ++unscripted;
        return std::nullopt;
    }
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<QString> ScriptedDialogs::openFile(QWidget*, const FileDialogRequest& request)
{
    events.push_back({Kind::OpenFile, request.title, {}, MessageIcon::Information, request, {}});
    return nextFile();
}

std::optional<QString> ScriptedDialogs::saveFile(QWidget*, const FileDialogRequest& request)
{
    events.push_back({Kind::SaveFile, request.title, {}, MessageIcon::Information, request, {}});
    return nextFile();
}

std::optional<QString> ScriptedDialogs::chooseFolder(QWidget*, const QString& title, const QString& directory)
{
    events.push_back({Kind::Folder, title, {}, MessageIcon::Information, {title, {}, directory, {}, {}}, {}});
    return nextFile();
}

int ScriptedDialogs::exec(QDialog& dialog)
{
    events.push_back({Kind::Modal, dialog.windowTitle(), {}, MessageIcon::Information, {}, {}});
    if (modals.empty()) {
        ++unscripted;
        return QDialog::Rejected;
    }
    auto handler = std::move(modals.front());
    modals.pop_front();
    return handler(dialog);
}

ScopedScriptedDialogs::ScopedScriptedDialogs()
{
    auto scripted = std::make_unique<ScriptedDialogs>();
    scripted_ = scripted.get();
    previous_ = installDialogs(std::move(scripted));
}

ScopedScriptedDialogs::~ScopedScriptedDialogs()
{
    installDialogs(std::move(previous_));
}

} // namespace common
