// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rosterly/core/AirForce.h"
#include "rosterly/core/PlaneList.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace rosterly {

// The one window: the records of a squadron file on the left, the aircraft
// of the three air forces beside them; "OK Rosterly!" writes the chosen
// aircraft into the selected record.
class SquadronWindow : public QWidget {
    Q_OBJECT

public:
    // `folder` is the game folder: planes.txt is read from it and the open
    // dialog starts there.
    explicit SquadronWindow(const QString& folder, QWidget* parent = nullptr);

    // Loads a squadron file as if it had been chosen in the open dialog;
    // false (after a message) if it cannot be read.
    bool loadSquadronFile(const QString& fullName);

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void List1_Click(int row);
    void choiceList_Click(AirForce force, int row);

    QListWidget* choiceList(AirForce force) const;
    void forgetFile();
    void forgetChoices();
    void updateCommand2();
    void updateTitle();
    void showFailure(const QString& text);

    QString folder_;
    PlaneList planes_;
    QString loadedFile_;
    std::vector<std::uint8_t> codes_; // as the file holds them
    AirForce force_ = AirForce::None;
    int selectedRecord_ = -1;
    std::optional<int> chosenCode_;

    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QListWidget* list1_ = nullptr;
    std::array<QListWidget*, 3> choiceLists_{};
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace rosterly
