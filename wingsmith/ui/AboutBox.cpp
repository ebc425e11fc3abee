// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutBox.h"

#include "AircraftPicture.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace wingsmith {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutBox");
    setWindowTitle(tr("Wingsmith"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* v = new QVBoxLayout(this);
    auto* panel = new QFrame;
    panel->setObjectName("Panel1");
    panel->setStyleSheet("QFrame#Panel1 { background: #1c2530; border-radius: 4px; }");
    auto* h = new QHBoxLayout(panel);
    auto* icon = new QLabel;
    icon->setObjectName("ProgramIcon");
    icon->setPixmap(aircraftPicture().scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    h->addWidget(icon);
    auto* title = new QLabel(tr("Wingsmith v1.06"));
    title->setObjectName("ProductName");
    title->setStyleSheet("color: white; font-size: 22pt; font-weight: bold;");
    h->addWidget(title);
    h->addStretch();
    v->addWidget(panel);

    for (const char* line :
        {QT_TR_NOOP("Flight model editor for Vantor."), QT_TR_NOOP("Edits the flight records and the gun table of the"),
            QT_TR_NOOP("thirty aircraft, in the loose files or the game's archives."), "",
            QT_TR_NOOP("Written by the Vantor modding tools team."),
            QT_TR_NOOP("Back up your installation before you mod it.")}) {
        auto* l = new QLabel(*line ? tr(line) : QString());
        v->addWidget(l);
    }

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    v->addWidget(buttons);
}

} // namespace wingsmith
