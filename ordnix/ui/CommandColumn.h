// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QListWidget;
class QPushButton;
class QToolButton;

namespace ordnix {

// The editor's right-hand column: exit, the block commands, saving and
// loading, and the list of loadout files in the game folder.
class CommandColumn : public QWidget {
    Q_OBJECT

public:
    explicit CommandColumn(QWidget* parent = nullptr);

    // Buttons for the window's undo and redo actions.
    void setUndoActions(QAction* undo, QAction* redo);

    // "Replace Loadout.dat"
    bool replaceTicked() const;

    // Lists the files under the names they have on disk; the one shown as
    // `select` becomes the current one. A name that is not valid text in
    // the locale is shown altered, but the file opens as it is.
    void showFiles(const std::vector<std::string>& storedNames, const QString& select = {});
    // The stored name of the file current in the list.
    std::optional<std::string> currentFile() const;

    // The commands that need a loaded file.
    void setImageCommandsEnabled(bool enabled);

signals:
    void exitClicked();
    void insertClicked();
    void deleteClicked();
    void saveClicked();
    void loadClicked();
    void scriptClicked();
    void fileDoubleClicked();

private:
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command9 = nullptr;
    QListWidget* File1 = nullptr;
    QToolButton* undo_ = nullptr;
    QToolButton* redo_ = nullptr;
};

} // namespace ordnix
