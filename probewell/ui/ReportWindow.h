// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <filesystem>

class QLabel;
class QPushButton;

namespace probewell {

// The one window: it explains what the program assumes, names the folder it
// will report on and writes the report when "OK!" is pressed. The close box
// ends the program without writing anything.
class ReportWindow : public QWidget {
    Q_OBJECT

public:
    explicit ReportWindow(std::filesystem::path gameFolder, QWidget* parent = nullptr);

    // The explanation shown in Label1, one entry per line.
    static QStringList explanationLines();

    // The notice's red for a window `background`: one with a contrast of
    // at least 4.5:1 to it, in light and dark palettes alike.
    static QColor noticeColour(const QColor& background);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    void Command1_Click();
    void showNotice(const QString& text);
    void colourNotice();

    std::filesystem::path gameFolder_;
    QLabel* Label1_ = nullptr;
    QLabel* folderLabel_ = nullptr;
    QLabel* noticeLabel_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* Command1_ = nullptr;
};

} // namespace probewell
