// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <filesystem>
#include <exception>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace kitbag {

class KitbagDocument;
struct AvailableMod;

// The one window: the game folder, its installed mods, the mods at hand,
// and for the selected one its readme, changes and conflicts. It shows the
// document and sends it the user's commands; what each did is said in the
// status line, with where the originals were backed up.
class ModManagerWindow : public QWidget {
    Q_OBJECT

public:
    explicit ModManagerWindow(std::shared_ptr<KitbagDocument> document, QWidget* parent = nullptr);

    // The remembered game folder, or the current one when it is a game
    // folder; none otherwise. And the mod folders added in earlier runs.
    void openStartFolder();

    KitbagDocument& document() { return *document_; }
    // Copies the .vmod files into the game's Mods/ (as a drop does).
    void addDroppedFiles(const std::vector<std::filesystem::path>& files);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void showDocument();
    void showSelectedMod();
    const AvailableMod* selectedMod() const;
    std::vector<const AvailableMod*> selectedMods() const;

    void chooseGameFolder();
    void addModFolder();
    void forgetModFolders();
    void rememberModFolders();
    void install();
    void remove();
    void check();
    void showConflicts();
    void restore();
    void makeFromBackup();
    std::optional<std::filesystem::path> chooseBackup(const QString& title);

    void say(const QString& text, int backupsBefore);
    void fail(const QString& title, const std::exception& failure);

    std::shared_ptr<KitbagDocument> document_;
    QLabel* gameFolderLabel_ = nullptr;
    QTableWidget* installedTable_ = nullptr;
    QListWidget* availableList_ = nullptr;
    QTabWidget* detailTabs_ = nullptr;
    QPlainTextEdit* readmeText_ = nullptr;
    QTableWidget* changesTable_ = nullptr;
    QTableWidget* conflictsTable_ = nullptr;
    QPushButton* installButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* checkButton_ = nullptr;
    QPushButton* conflictsButton_ = nullptr;
    QPushButton* restoreButton_ = nullptr;
    QPushButton* makeButton_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace kitbag
