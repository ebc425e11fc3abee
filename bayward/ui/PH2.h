#pragma once

#include "bayward/core/Placement.h"

#include <QWidget>

#include <array>

class QLabel;

namespace bayward {

class ClickableLabel;
class PH1;
class PictureBox;

// "Rectangle locator": the hangar picture, on which the selected button's
// rectangle is dragged out from its top-left to its bottom-right corner; a
// right click goes back to the button table.
class PH2 : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = 5;

    explicit PH2(PH1& table);

    // Loads the picture; false (the previous one stays) when it cannot.
    bool loadPicture(const QString& path, QString* error);

    PictureBox* Picture1;
    std::array<ClickableLabel*, kRows> Label2{};
    QLabel* Label1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Picture1_MouseDown(QPointF position, Qt::MouseButton button);
    void Picture1_MouseUp(QPointF position, Qt::MouseButton button);

    PH1& table_;
    PicturePoint start_;
};

} // namespace bayward
