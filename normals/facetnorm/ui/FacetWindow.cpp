#include "FacetWindow.h"

#include "PlaneSideDrawing.h"

#include "facetnorm/core/FacetError.h"
#include "facetnorm/core/SingleFacet.h"
#include "facetnorm/core/SingleText.h"

#include "common/ui/Dialogs.h"
#include "common/ui/FitText.h"

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

const char* const kCaption[3] = {"Y-coord", "Z-coord", "X-coord"};
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
    setWindowTitle("Vector calculation for Vantor 3dz files v.1.2");

    auto* nodesGrid = new QGridLayout;
    for (int c = 0; c < 3; ++c)
        nodesGrid->addWidget(heading(kCaption[c], this), 0, c + 1);
    for (int row = 0; row < 3; ++row) {
        nodesGrid->addWidget(new QLabel(QString("Nod %1").arg(row + 1), this), row + 1, 0);
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

    auto* Command1 = new QPushButton("Calculate", this);
    Command1->setObjectName("Command1");
    Command1->setDefault(true);
    auto* Command2 = new QPushButton("Clear", this);
    Command2->setObjectName("Command2");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto* Frame1 = new QGroupBox("Result", this);
    Frame1->setObjectName("Frame1");
    auto* resultGrid = new QGridLayout(Frame1);
    for (int c = 0; c < 3; ++c) {
        resultGrid->addWidget(heading(QString(kCaption[c]).left(1), Frame1), 0, c);
        auto* edit = new QLineEdit("0", Frame1);
        edit->setObjectName(QString(kField[c]) + "4");
        edit->setAlignment(Qt::AlignRight);
        edit->setReadOnly(true);
        common::fitTextWidth(edit, kLongestResult);
        result_[c] = edit;
        resultGrid->addWidget(edit, 1, c);
    }
    resultGrid->setRowStretch(2, 1);

    auto* Frame2 = new QGroupBox("Plane side", this);
    Frame2->setObjectName("Frame2");
    LS = new QRadioButton("Left", Frame2);
    LS->setObjectName("LS");
    RS = new QRadioButton("Right", Frame2);
    RS->setObjectName("RS");
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
                const QString shown = edit->text().trimmed().isEmpty() ? QString("The field is empty")
                                                                       : QString("\"%1\" is not a number").arg(edit->text());
                common::dialogs().message(this, "Facetnorm",
                    QString("Nod %1, %2: %3.").arg(row + 1).arg(kCaption[c], shown), common::MessageIcon::Warning);
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
            QString("This facet cannot be calculated: %1.").arg(QString::fromStdString(e.what())),
            common::MessageIcon::Warning);
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
