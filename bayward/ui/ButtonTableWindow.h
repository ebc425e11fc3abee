// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "menuwright/menufile/HangarLayout.h"

#include <QList>
#include <QWidget>

#include <array>
#include <memory>

class QButtonGroup;
class QHBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace common {
class ButtonRowsFrame;
class ClickLabel;
} // namespace common

namespace bayward {

class HangarRowsDocument;
class PictureWindow;

// "Hangar Screen Menu Maker": the country, the picture file, the five
// button rows and the command that writes the hangar menu file. It owns the
// picture window.
class ButtonTableWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = menuwright::HangarLayout::kRows;

    ButtonTableWindow();
    ~ButtonTableWindow() override;

    PictureWindow& picture() { return *picture_; }
    // The rows both windows show and edit.
    HangarRowsDocument& rows() { return *rows_; }
    menuwright::HangarLayout layout() const;
    QString hangarFileName() const { return fileName_; }
    bool pictureLoaded() const { return pictureLoaded_; }
    int selectedRow() const;
    // Fills the file list from the current folder with the current pattern.
    void refreshFiles();

    QGroupBox* Frame1;
    std::array<QRadioButton*, 3> Option1{};
    QGroupBox* Frame4;
    std::array<QRadioButton*, 4> Option2{};
    QListWidget* File1;
    common::ButtonRowsFrame* Frame2;
    std::array<common::ClickLabel*, kRows> Label2{};
    std::array<QLineEdit*, kRows> Text2{};
    std::array<QLineEdit*, kRows> Text3{};
    std::array<QLineEdit*, kRows> Text4{};
    std::array<QLineEdit*, kRows> Text5{};
    std::array<QLineEdit*, kRows> Text6{};
    QLabel* PlaneRow;
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* status;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Option1_Click(int i);
    void Option2_Click(int i);
    void File1_Click(const QString& name);
    void Label2_Click(int i);
    void Command1_Click();
    void endProgram();
    // Writes the side's hangar file; false, with the reason shown, when not.
    bool writeHangarFile();
    bool mayEnd();
    void addCommands();
    void updateTitle();
    // The boxes follow the rows, whoever changed them.
    void showRows(const QList<int>& rows);

    std::unique_ptr<PictureWindow> picture_;
    QButtonGroup* countries_;
    QButtonGroup* fileTypes_;
    QString fileName_;
    QString pattern_ = QStringLiteral("*.*");
    bool pictureLoaded_ = false;
    bool ending_ = false;
    HangarRowsDocument* rows_;
    QHBoxLayout* editRow_;
};

} // namespace bayward
