// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonRowsFrame.h"

#include "NamedWidgets.h"

#include <QGridLayout>
#include <QLabel>

namespace common {

namespace {
constexpr int kCaptionColumn = 1; // column 0 holds the rows' leads
} // namespace

ButtonRowsFrame::ButtonRowsFrame(const QString& title, int rows, int captionWidth, QWidget* parent)
    : QGroupBox(title, parent), grid_(new QGridLayout(this))
{
    setObjectName(QStringLiteral("Frame2"));
    grid_->setHorizontalSpacing(4);
    grid_->setVerticalSpacing(3);
    const QString headings[] = {tr("L"), tr("T"), tr("W"), tr("H")};
    const QString meanings[] = {tr("Left edge of the button on the 640 x 480 screen, in pixels"),
        tr("Top edge of the button on the 640 x 480 screen, in pixels"), tr("Width of the button in pixels"),
        tr("Height of the button in pixels")};
    for (int c = 0; c < 4; ++c) {
        auto* heading = new QLabel(headings[c], this);
        heading->setAlignment(Qt::AlignCenter);
        heading->setToolTip(meanings[c]);
        grid_->addWidget(heading, 0, kCaptionColumn + 1 + c);
    }
    for (int i = 0; i < rows; ++i) {
        captions_.push_back(namedCaptionBox(i, captionWidth, this));
        coordinates_.push_back(namedCoordinateBoxes(i, this));
        captions_.back()->setToolTip(tr("Caption of the button as the game shows it"));
        grid_->addWidget(captions_.back(), i + 1, kCaptionColumn);
        for (int k = 0; k < 4; ++k) {
            QLineEdit* box = coordinates_.back()[static_cast<std::size_t>(k)];
            box->setToolTip(meanings[k]);
            grid_->addWidget(box, i + 1, kCaptionColumn + 1 + k);
        }
    }
}

void ButtonRowsFrame::setRowLead(int row, QWidget* lead)
{
    lead->setParent(this);
    grid_->addWidget(lead, row + 1, 0);
}

} // namespace common
