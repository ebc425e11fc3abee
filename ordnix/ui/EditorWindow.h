#pragma once

#include "ByteTableModel.h"

#include "ordnix/core/LoadoutImage.h"
#include "ordnix/core/NameLists.h"
#include "ordnix/core/SlotFields.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace ordnix {

// The loadout editor: the byte table and record list of a loaded
// loadout.dat, the slot editor of the record shown, the mission option
// editor of its aircraft, and the commands that save, reorganise and
// script the image. Edits go into the image only; files change when saved.
class EditorWindow : public QWidget {
    Q_OBJECT

public:
    // `startDir` is the game folder: the lists are read from it, saves and
    // the file list go there. With `fileToOpen` that file is loaded at once
    // instead of asking for one when the window first shows.
    explicit EditorWindow(std::filesystem::path startDir, std::optional<QString> fileToOpen = {},
        QWidget* parent = nullptr);

    // Loads `name` (a full name, or one in the start folder) into the window;
    // a refused or unreadable file leaves the window as it was.
    bool LoadLoadout(const QString& name);
    bool LoadLoadout(const std::filesystem::path& file);

    void ShowRecord();
    void ShowMission(int t);
    void NormaliseSlots();

    const LoadoutImage& image() const { return image_; }
    const NameLists& lists() const { return lists_; }
    // Record shown in the slot editor, -1 before any.
    int shownRecord() const { return shownRecord_; }
    // Whether the image holds edits that no "Save Loadout" has written yet.
    bool hasUnsavedChanges() const { return unsaved_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    QWidget* buildChoosePlaneTab();
    QWidget* buildLoadoutDataTab();
    QWidget* buildTextReaderTab();
    QWidget* buildCommandColumn();

    void offerStartupDialog();
    bool saveLoadout();
    bool mayDropUnsavedChanges(const QString& action);
    void fitRecordList();
    void fitByteTable();
    std::optional<QString> askForLoadout();
    void showRecordNames();
    void refreshFileList(const QString& select = {});
    void setImageCommandsEnabled(bool enabled);
    void selectRecord(int row);
    void warn(const QString& text);
    QString currentText(std::size_t position) const;
    std::vector<std::string> currentTexts(std::size_t first, std::size_t last) const;

    SlotFields slotFieldsFromEditor() const;
    void showSlotFields(const SlotFields& fields);

    // Event handlers, named after their controls.
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void T1_Click();
    void RG_RightMouseDown();
    void File1_DblClick();

    std::filesystem::path startDir_;
    std::optional<QString> fileToOpen_;
    QString programTitle_;
    NameLists lists_;
    LoadoutImage image_;
    ByteTableModel* model_ = nullptr;

    int shownRecord_ = -1;
    std::size_t p0_ = 0;
    std::size_t anchor_ = 0;
    std::size_t countPosition_ = 0;
    std::array<std::size_t, 6> optionPositions_{};
    QString lastChosenName_;
    bool firstShow_ = true;
    bool unsaved_ = false;

    QTabWidget* SSTab1 = nullptr;
    QTableWidget* RG = nullptr;
    QTableView* BG = nullptr;
    QLabel* ldf = nullptr;
    QLabel* emptyHint_ = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 5> Option1{};
    QLineEdit* Text4 = nullptr;
    std::array<QLineEdit*, 6> Text3{};
    QPushButton* Command8 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    std::array<QLabel*, 6> Label6{};
    QLabel* Label7 = nullptr;
    QLabel* recordInfo_ = nullptr;
    QLineEdit* Text5 = nullptr;
    std::array<QComboBox*, 5> Weapon{};
    std::array<QComboBox*, 5> Rack{};
    std::array<QComboBox*, 5> Location{};
    std::array<QLineEdit*, 5> WNum{};
    std::array<QLineEdit*, 5> IFD{};
    std::array<QLineEdit*, 5> DBF{};
    QPushButton* Command10 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command12 = nullptr;
    QPlainTextEdit* Text1_0 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command9 = nullptr;
    QListWidget* File1 = nullptr;
};

} // namespace ordnix
