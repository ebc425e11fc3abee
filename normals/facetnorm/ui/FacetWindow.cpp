// SPDX-License-Identifier: GPL-3.0-or-later
#include "FacetWindow.h"
#include "common/ui/CoreText.h"

#include "PlaneSideDrawing.h"

#include "facetnorm/core/FacetError.h"
#include "facetnorm/core/SingleFacet.h"
#include "facetnorm/core/SingleText.h"

#include "common/ui/Dialogs.h"
#include "common/ui/FitText.h"
#include "common/ui/StandardActions.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace facetnorm {

namespace {

char decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? point[0].toLatin1() : '.';
}

const char* const kCaption[3] = {QT_TRANSLATE_NOOP("facetnorm::FacetWindow", "Y-coord"),
    QT_TRANSLATE_NOOP("facetnorm::FacetWindow", "Z-coord"), QT_TRANSLATE_NOOP("facetnorm::FacetWindow", "X-coord")};
const char* const kField[3] = {"x", "y", "z"};

// The longest result: a sign, 7 significant digits and an exponent.
constexpr const char* kLongestResult = "-8.888888E-05";

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

FacetWindow::FacetWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName("Form1");
    setWindowTitle(tr("Vector calculation for Vantor 3dz files v.1.2 — Facetnorm"));

    auto* nodesGrid = new QGridLayout;
    for (int c = 0; c < 3; ++c) {
        QLabel* caption = heading(tr(kCaption[c]), this);
        caption->setToolTip(tr("Component %1 of each node, in the model's axis order y, z, x").arg(c + 1));
        nodesGrid->addWidget(caption, 0, c + 1);
    }
    for (int row = 0; row < 3; ++row) {
        auto* node = new QLabel(tr("Nod %1").arg(row + 1), this);
        node->setToolTip(tr("Node %1 of the facet (P%1)").arg(row + 1));
        nodesGrid->addWidget(node, row + 1, 0);
        for (int c = 0; c < 3; ++c) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(QString("%1%2").arg(kField[c]).arg(row + 1));
            edit->setAlignment(Qt::AlignRight);
            input_[row * 3 + c] = edit;
            connect(edit, &QLineEdit::returnPressed, this, [this] { Command1_Click(); });
            nodesGrid->addWidget(edit, row + 1, c + 1);
        }
    }
    for (int c = 1; c <= 3; ++c)
        nodesGrid->setColumnStretch(c, 1);

    auto* Command1 = new QPushButton(tr("&Calculate"), this);
    Command1->setObjectName("Command1");
    Command1->setDefault(true);
    Command1->setToolTip(tr("The facet's normal, scaled to length 16384"));
    auto* Command2 = new QPushButton(tr("C&lear"), this);
    Command2->setObjectName("Command2");
    Command2->setToolTip(tr("Empty the nodes and the result"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto* Frame1 = new QGroupBox(tr("Result"), this);
    Frame1->setObjectName("Frame1");
    auto* resultGrid = new QGridLayout(Frame1);
    for (int c = 0; c < 3; ++c) {
        resultGrid->addWidget(heading(tr(kCaption[c]).left(1), Frame1), 0, c);
        auto* edit = new QLineEdit("0", Frame1);
        edit->setObjectName(QString(kField[c]) + "4");
        edit->setAlignment(Qt::AlignRight);
        edit->setReadOnly(true);
        edit->setToolTip(tr("Component %1 of the normal, in the same axis order as the nodes").arg(c + 1));
        common::fitTextWidth(edit, kLongestResult);
        result_[c] = edit;
        resultGrid->addWidget(edit, 1, c);
    }
    resultGrid->setRowStretch(2, 1);

    auto* Frame2 = new QGroupBox(tr("Plane side"), this);
    Frame2->setObjectName("Frame2");
    LS = new QRadioButton(tr("L&eft"), Frame2);
    LS->setObjectName("LS");
    LS->setToolTip(tr("The normal points to the LS side: against the whole-model calculation of vector"));
    RS = new QRadioButton(tr("&Right"), Frame2);
    RS->setObjectName("RS");
    RS->setToolTip(tr("The normal points to the RS side: as the whole-model calculation of vector"));
    RS->setChecked(true);
    auto* sides = new QVBoxLayout;
    sides->addWidget(LS);
    sides->addWidget(RS);
    sides->addStretch(1);
    auto* sideLayout = new QHBoxLayout(Frame2);
    sideLayout->addLayout(sides);
    sideLayout->addWidget(new PlaneSideDrawing(Frame2));

    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame1, 1);
    frames->addWidget(Frame2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nodesGrid);
    layout->addLayout(buttons);
    layout->addLayout(frames);
    layout->addStretch(1);
    resize(440, 280);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    common::StandardActions(this, {.quit = [this] { close(); }});
}

void FacetWindow::Command1_Click()
{
    // Every field is checked before any result changes.
    std::array<Point, 3> nodes{};
    for (int row = 0; row < 3; ++row) {
        for (int c = 0; c < 3; ++c) {
            QLineEdit* edit = input_[row * 3 + c];
            const auto value = parseSingle(edit->text().toStdString(), decimalSeparator());
            if (!value) {
                const QString shown = edit->text().trimmed().isEmpty() ? tr("The field is empty")
                                                                       : tr("\"%1\" is not a number").arg(edit->text());
                common::dialogs().message(this, "Facetnorm",
                    tr("Nod %1, %2: %3.").arg(row + 1).arg(tr(kCaption[c]), shown), common::MessageIcon::Warning);
                edit->setFocus();
                edit->selectAll();
                return;
            }
            nodes[row][c] = *value;
        }
    }
    try {
        const Point r = singleFacetNormal(nodes[0], nodes[1], nodes[2], LS->isChecked() ? PlaneSide::Left : PlaneSide::Right);
        for (int c = 0; c < 3; ++c) {
            result_[c]->setText(QString::fromStdString(formatSingle(r[c], decimalSeparator())));
            result_[c]->setCursorPosition(0); // the sign first, should the field be narrowed
        }
    } catch (const FacetError& e) {
        common::dialogs().message(this, "Facetnorm",
            tr("This facet cannot be calculated: %1.").arg(common::failureText(e)), common::MessageIcon::Warning);
    }
}

void FacetWindow::Command2_Click()
{
    for (QLineEdit* edit : input_)
        edit->setText(" ");
    for (QLineEdit* edit : result_)
        edit->setText(" ");
}

} // namespace facetnorm
