// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"
#include "common/ui/CoreText.h"
#include "common/ui/NativePath.h"

#include "ElementProgress.h"
#include "ModelPreview.h"
#include "OpenModelWindow.h"
#include "SaveNormalsWindow.h"

#include "vector/core/FacetNormal.h"
#include "vector/core/ModelGeometry.h"
#include "vector/core/ModelNormals.h"
#include "vector/core/ModelReader.h"
#include "vector/core/NormalRangeError.h"
#include "vector/core/NumberText.h"

#include "common/ui/Dialogs.h"
#include "common/ui/FitText.h"
#include "common/ui/StandardActions.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFont>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <exception>
#include <tuple>

namespace vector {

namespace {

char decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? point[0].toLatin1() : '.';
}

QLineEdit* field(QWidget* parent, const QString& name, const QString& text, bool readOnly)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setReadOnly(readOnly);
    if (readOnly)
        edit->setFocusPolicy(Qt::ClickFocus); // Tab goes through what can be typed
    return edit;
}

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* caption(const QString& text, const QString& toolTip, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setToolTip(toolTip);
    return label;
}

const char* const kNodeColumn[3] = {"y", "z", "x"};
const char* const kNodeColumnTip[3] = {
    QT_TRANSLATE_NOOP("vector::MainWindow", "First component of each node, as the model file stores it"),
    QT_TRANSLATE_NOOP("vector::MainWindow", "Second component of each node, as the model file stores it"),
    QT_TRANSLATE_NOOP("vector::MainWindow", "Third component of each node, as the model file stores it")};

// The longest result: a sign and 15 significant digits, with a point and
// an exponent, as small components come out.
constexpr const char* kLongestResult = "-8.88888888888888E-05";

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    updateTitle();

    const common::StandardActions keys(
        this, {.save = [this] { save_Click(); }, .open = [this] { Open_Click(); }, .quit = [this] { close(); }});
    QAction* Open = keys.open();
    Open->setText(tr("&Open"));
    Open->setObjectName("Open");
    Open->setToolTip(tr("Read a 3dz model (Ctrl+O)"));
    QAction* save = keys.save();
    save->setText(tr("&Save"));
    save->setObjectName("save");
    save->setToolTip(tr("Write the model's normals as text (Ctrl+S)"));
    QAction* Exit = keys.quit();
    Exit->setText(tr("E&xit"));
    Exit->setObjectName("Exit");
    menuBar()->addActions({Open, save, Exit});

    auto* central = new QWidget(this);
    setCentralWidget(central);

    // The model's counts, written by the program only.
    auto* modelBox = new QGroupBox(tr("Model"), central);
    text1 = field(modelBox, "text1", {}, true);
    Text2 = field(modelBox, "Text2", {}, true);
    Text3 = field(modelBox, "Text3", {}, true);
    Text4 = field(modelBox, "Text4", {}, true);
    auto* modelGrid = new QGridLayout(modelBox);
    const std::array<std::tuple<QString, QString, QLineEdit*>, 3> counts{{
        {tr("parts"), tr("Number of parts the model is made of"), text1},
        {tr("nodes"), tr("Number of nodes (corner points) of the model"), Text2},
        {tr("elements"), tr("Number of elements (polygons) of the model, each with its normal"), Text3}}};
    for (int i = 0; i < 3; ++i) {
        const auto& [name, tip, edit] = counts[static_cast<std::size_t>(i)];
        modelGrid->addWidget(caption(name, tip, modelBox), 0, 2 * i);
        edit->setToolTip(tip);
        edit->setMaximumWidth(60);
        modelGrid->addWidget(edit, 0, 2 * i + 1);
    }
    Text4->setToolTip(tr("File name of the model read"));
    modelGrid->addWidget(caption(tr("name"), Text4->toolTip(), modelBox), 1, 0);
    modelGrid->addWidget(Text4, 1, 1, 1, 5);
    modelGrid->setColumnStretch(5, 1);

    // One facet typed by hand.
    auto* facetBox = new QGroupBox(tr("Single facet"), central);
    auto* facetGrid = new QGridLayout(facetBox);
    for (int c = 0; c < 3; ++c) {
        QLabel* column = heading(tr(kNodeColumn[c]), facetBox);
        column->setToolTip(tr(kNodeColumnTip[c]));
        facetGrid->addWidget(column, 0, c + 1);
    }
    for (int row = 0; row < 3; ++row) {
        facetGrid->addWidget(caption(tr("node %1").arg(row + 1),
                                 tr("Node %1 of the facet, in whole model units").arg(row + 1), facetBox),
            row + 1, 0);
        for (int c = 0; c < 3; ++c) {
            const int index = c * 3 + row; // Text6-8 are column y, Text9-11 z, Text12-14 x
            input_[index] = field(facetBox, QString("Text%1").arg(6 + index), "0", false);
            input_[index]->setAlignment(Qt::AlignRight);
            facetGrid->addWidget(input_[index], row + 1, c + 1);
        }
    }
    auto* Command1 = new QPushButton(tr("&Calculate "), facetBox);
    Command1->setObjectName("Command1");
    Command1->setToolTip(tr("The normal of the facet typed above, scaled to length 16384"));
    facetGrid->addWidget(Command1, 4, 3);
    for (int c = 0; c < 3; ++c)
        facetGrid->addWidget(heading(tr(kNodeColumn[c]).toUpper(), facetBox), 5, c + 1);
    facetGrid->addWidget(caption(tr("normal"), tr("The facet's normal, in the same component order as the nodes"),
                             facetBox),
        6, 0);
    for (int c = 0; c < 3; ++c) {
        result_[c] = field(facetBox, QString("Text%1").arg(15 + c), "0", true);
        result_[c]->setAlignment(Qt::AlignRight);
        common::fitTextWidth(result_[c], kLongestResult);
        facetGrid->addWidget(result_[c], 6, c + 1);
    }
    for (int c = 1; c <= 3; ++c)
        facetGrid->setColumnStretch(c, 1);

    auto* Command2 = new QPushButton(tr("Calculate nor&mals"), central);
    Command2->setObjectName("Command2");
    Command2->setToolTip(tr("Compute the normal of every element of the model read"));
    ProgressBar1 = new QProgressBar(central);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 255);
    ProgressBar1->setValue(0);
    ProgressBar1->setFormat(tr("No model read"));
    auto* run = new QHBoxLayout;
    run->addWidget(Command2);
    run->addWidget(ProgressBar1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(modelBox);
    left->addWidget(facetBox);
    left->addLayout(run);
    left->addStretch(1);

    // The model itself, to see which normals point the wrong way.
    auto* previewBox = new QGroupBox(tr("Preview"), central);
    preview_ = new ModelPreview(model_, previewBox);
    preview_->setObjectName("Preview");
    auto* showNormals = new QCheckBox(tr("Show &normals"), previewBox);
    showNormals->setObjectName("ShowNormals");
    normalCount_ = new QLabel(previewBox);
    normalCount_->setObjectName("NormalCount");
    normalCount_->setWordWrap(true);
    pickedInfo_ = new QLabel(previewHint(), previewBox);
    pickedInfo_->setObjectName("PreviewInfo");
    pickedInfo_->setWordWrap(true);
    pickedInfo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(preview_, 1);
    previewLayout->addWidget(showNormals);
    previewLayout->addWidget(normalCount_);
    previewLayout->addWidget(pickedInfo_);

    auto* layout = new QHBoxLayout(central);
    layout->addLayout(left);
    layout->addWidget(previewBox, 1);
    statusBar()->setSizeGripEnabled(false);
    resize(940, 460);

    input_[0]->setFocus();

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(showNormals, &QCheckBox::toggled, preview_, &ModelPreview::setShowNormals);
    connect(preview_, &ModelPreview::elementPicked, this, [this](int e) { showPicked(e); });
}

OpenModelWindow& MainWindow::openWindow()
{
    if (!open3dz) {
        open3dz = new OpenModelWindow(model_, this);
        connect(open3dz, &OpenModelWindow::modelRead, this, [this] { showModel(); });
    }
    return *open3dz;
}

SaveNormalsWindow& MainWindow::saveWindow()
{
    if (!save3dz) {
        save3dz = new SaveNormalsWindow(model_, this);
        connect(save3dz, &SaveNormalsWindow::saved, this, [this](const QString& path) {
            statusBar()->showMessage(tr("Normals written to %1").arg(QDir::toNativeSeparators(path)));
        });
    }
    return *save3dz;
}

void MainWindow::openModelFile(const QString& path)
{
    const QFileInfo info(common::absolutePathText(path));
    try {
        Model read = readModel(toPath(info.absolutePath()), toPath(info.fileName()).string(), model_);
        model_ = std::move(read);
    } catch (const std::exception& e) {
        showError(common::readFailureText(path, e));
        return;
    }
    showModel();
}

void MainWindow::showModel()
{
    text1->setText(QString::number(model_.parts));
    Text2->setText(QString::number(model_.nodeCount));
    Text3->setText(QString::number(model_.elementCount));
    Text4->setText(QString::fromStdString(model_.fileName));
    startElementProgress(ProgressBar1, model_.elementCount, tr("elements"));
    statusBar()->showMessage(tr("%1 read").arg(QString::fromStdString(model_.fileName)));
    updateTitle();
    preview_->modelRead();
    pickedInfo_->setText(previewHint());
    showNormalCount();
}

void MainWindow::showNormalCount()
{
    const auto wrong = disagreeingElements(model_);
    normalCount_->setText(tr("%1 of %2 normals point another way than their polygon's nodes")
                              .arg(wrong.size())
                              .arg(checkableElementCount(model_)));
    // Bold rather than coloured, so it reads in any colour scheme.
    QFont font = normalCount_->font();
    font.setBold(!wrong.empty());
    normalCount_->setFont(font);
}

void MainWindow::showPicked(int e)
{
    if (e < 0) {
        pickedInfo_->setText(tr("No polygon there."));
        return;
    }
    QStringList nodes;
    for (int j = 0; j < model_.vertexCounts[e]; ++j)
        nodes << QString::number(model_.vertices[e][j]);
    const ElementRecord& r = model_.elements[e];
    QString text = tr("Element %1, type %2, nodes %3; normal Y %4, Z %5, X %6")
                       .arg(e)
                       .arg(model_.polygonTypes[e])
                       .arg(nodes.join(", "))
                       .arg(r[0])
                       .arg(r[1])
                       .arg(r[2]);
    if (normalDisagrees(model_, e).value_or(false))
        text += tr(" (points another way than its nodes)");
    pickedInfo_->setText(text);
}

void MainWindow::showError(const QString& text)
{
    common::dialogs().message(this, tr("Error"), text, common::MessageIcon::Warning);
}

QString MainWindow::previewHint()
{
    return tr("Drag to turn, wheel to zoom, Home to reset; click a polygon for its data.");
}

void MainWindow::updateTitle()
{
    const QString program = tr("Vector calculator ver 2.0 — vector");
    setWindowTitle(model_.fileName.empty()
            ? program
            : QStringLiteral("%1 — %2").arg(QString::fromStdString(model_.fileName), program));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The helper windows go with the main one, so the program ends.
    for (QWidget* helper : {static_cast<QWidget*>(open3dz), static_cast<QWidget*>(save3dz)})
        if (helper)
            helper->hide();
    QMainWindow::closeEvent(event);
}

void MainWindow::Open_Click()
{
    OpenModelWindow& window = openWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

void MainWindow::save_Click()
{
    SaveNormalsWindow& window = saveWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

void MainWindow::Command1_Click()
{
    // All nine numbers are checked before any result changes.
    std::array<Point16, 3> nodes{};
    for (int c = 0; c < 3; ++c) {
        for (int row = 0; row < 3; ++row) {
            QLineEdit* edit = input_[c * 3 + row];
            try {
                nodes[row][c] = parseRoundedInt16(edit->text().toStdString(), decimalSeparator());
            } catch (const NormalRangeError& e) {
                showError(tr("node %1, %2: %3.").arg(row + 1).arg(kNodeColumn[c], common::failureText(e)));
                edit->setFocus();
                edit->selectAll();
                return;
            }
        }
    }
    try {
        const FacetNormal normal(nodes[0], nodes[1], nodes[2]);
        for (int c = 0; c < 3; ++c) {
            result_[c]->setText(QString::fromStdString(formatResult(normal.scaled[c], decimalSeparator())));
            result_[c]->setCursorPosition(0); // the sign first, should the field be narrowed
        }
    } catch (const NormalRangeError& e) {
        showError(tr("This facet cannot be calculated: %1.").arg(common::failureText(e)));
    }
}

void MainWindow::Command2_Click()
{
    try {
        const QString unit = tr("elements");
        startElementProgress(ProgressBar1, model_.elementCount, unit);
        calculateNormals(model_,
            [this, &unit](int e) { showElementProgress(ProgressBar1, e, model_.elementCount, unit); });
    } catch (const NormalRangeError& e) {
        showError(common::failureText(e));
        return;
    }
    statusBar()->showMessage(tr("Normals of %1 elements calculated").arg(model_.elementCount));
    // No unsaved marker: the model is never written and the normals come
    // again from it in one click, so Exit (which asks nothing) loses no work.
    preview_->normalsChanged();
    showNormalCount();
}

} // namespace vector
