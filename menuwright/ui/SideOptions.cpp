// SPDX-License-Identifier: GPL-3.0-or-later
#include "SideOptions.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

namespace menuwright {

SideOptions::SideOptions(const std::array<const char*, 3>& captions, QWidget* parent)
    : QGroupBox(tr("Side"), parent), group_(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("Frame4"));
    auto* layout = new QHBoxLayout(this);
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(tr(captions[static_cast<std::size_t>(i)]), this);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        options_[static_cast<std::size_t>(i)] = option;
        group_->addButton(option, i);
        layout->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                emit chosen(i);
        });
    }
}

void SideOptions::setAllUnchecked()
{
    // An exclusive group never lets its last checked button go.
    group_->setExclusive(false);
    for (QRadioButton* option : options_)
        option->setChecked(false);
    group_->setExclusive(true);
}

void SideOptions::reset()
{
    setAllUnchecked();
    options_[0]->setChecked(true);
}

std::optional<int> SideOptions::selected() const
{
    for (int i = 0; i < 3; ++i)
        if (options_[static_cast<std::size_t>(i)]->isChecked())
            return i;
    return std::nullopt;
}

void SideOptions::select(int side)
{
    options_[static_cast<std::size_t>(side)]->setChecked(true);
}

void SideOptions::clear(int side)
{
    group_->setExclusive(false);
    options_[static_cast<std::size_t>(side)]->setChecked(false);
    group_->setExclusive(true);
}

} // namespace menuwright
