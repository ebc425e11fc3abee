// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace wingsmith {

UpDown::UpDown(const QString& name, QLineEdit* associate, int minimum, int maximum, int increment, QWidget* parent)
    : QWidget(parent), associate_(associate), minimum_(minimum), maximum_(maximum), increment_(increment)
{
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setObjectName(name + "_up");
    down_->setObjectName(name + "_down");
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (auto* b : {up_, down_}) {
        b->setFixedSize(16, 11);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        layout->addWidget(b);
    }
    connect(up_, &QToolButton::clicked, this, &UpDown::clickUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::clickDown);
    setFixedSize(16, 22);
}

void UpDown::setPosition(int position)
{
    position_ = position;
    if (associate_)
        associate_->setText(QString::number(position));
}

int UpDown::position() const
{
    return position_;
}

void UpDown::clickUp()
{
    step(+1);
}

void UpDown::clickDown()
{
    step(-1);
}

void UpDown::step(int direction)
{
    if (!isEnabled())
        return;
    bool ok = false;
    const int typed = associate_ ? associate_->text().trimmed().toInt(&ok) : 0;
    const int from = std::clamp(ok ? typed : position_, minimum_, maximum_);
    setPosition(std::clamp(from + direction * increment_, minimum_, maximum_));
    emit arrowClicked();
}

} // namespace wingsmith
