// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bayward/core/Placement.h"

#include <QList>
#include <QWidget>

#include <array>

class QLabel;

namespace common {
class PictureBoard;
class PictureRectangle;
} // namespace common

namespace bayward {

class ButtonTableWindow;

// "Rectangle locator": the hangar picture, on which the selected button's
// rectangle is dragged out from its top-left to its bottom-right corner; a
// right click goes back to the button table.
class PictureWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = 5;

    explicit PictureWindow(ButtonTableWindow& table);

    // Loads the picture; false (the previous one stays) when it cannot.
    bool loadPicture(const QString& path, QString* error);

    common::PictureBoard* Picture1;
    std::array<common::PictureRectangle*, kRows> Label2{};
    QLabel* Label1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Picture1_MouseDown(QPointF position, Qt::MouseButton button);
    void Picture1_MouseUp(QPointF position, Qt::MouseButton button);
    // The rectangles follow the rows.
    void showRows(const QList<int>& rows);

    ButtonTableWindow& table_;
    PicturePoint start_;
};

} // namespace bayward
