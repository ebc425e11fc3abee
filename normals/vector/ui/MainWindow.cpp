#include "MainWindow.h"

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

const char* const kNodeColumn[3] = {"y", "z", "x"};

// The longest result: a sign and 15 significant digits, with a point and
// an exponent, as small components come out.
constexpr const char* kLongestResult = "-8.88888888888888E-05";

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle("Vector calculator ver 2.0");

    auto* Open = menuBar()->addAction("&Open");
    Open->setObjectName("Open");
    auto* save = menuBar()->addAction("&Save");
    save->setObjectName("save");
    auto* Exit = menuBar()->addAction("E&xit");
    Exit->setObjectName("Exit");

    auto* central = new QWidget(this);
    setCentralWidget(central);

    // The model's counts, written by the program only.
    auto* modelBox = new QGroupBox("Model", central);
    text1 = field(modelBox, "text1", {}, true);
    Text2 = field(modelBox, "Text2", {}, true);
    Text3 = field(modelBox, "Text3", {}, true);
    Text4 = field(modelBox, "Text4", {}, true);
    auto* modelGrid = new QGridLayout(modelBox);
    const std::array<std::pair<const char*, QLineEdit*>, 3> counts{
        {{"parts", text1}, {"nodes", Text2}, {"elements", Text3}}};
    for (int i = 0; i < 3; ++i) {
        modelGrid->addWidget(new QLabel(counts[i].first, modelBox), 0, 2 * i);
        counts[i].second->setMaximumWidth(60);
        modelGrid->addWidget(counts[i].second, 0, 2 * i + 1);
    }
    modelGrid->addWidget(new QLabel("name", modelBox), 1, 0);
    modelGrid->addWidget(Text4, 1, 1, 1, 5);
    modelGrid->setColumnStretch(5, 1);

    // One facet typed by hand.
    auto* facetBox = new QGroupBox("Single facet", central);
    auto* facetGrid = new QGridLayout(facetBox);
    for (int c = 0; c < 3; ++c)
        facetGrid->addWidget(heading(kNodeColumn[c], facetBox), 0, c + 1);
    for (int row = 0; row < 3; ++row) {
        facetGrid->addWidget(new QLabel(QString("node %1").arg(row + 1), facetBox), row + 1, 0);
        for (int c = 0; c < 3; ++c) {
            const int index = c * 3 + row; // Text6-8 are column y, Text9-11 z, Text12-14 x
            input_[index] = field(facetBox, QString("Text%1").arg(6 + index), "0", false);
            input_[index]->setAlignment(Qt::AlignRight);
            facetGrid->addWidget(input_[index], row + 1, c + 1);
        }
    }
    auto* Command1 = new QPushButton("Calculate ", facetBox);
    Command1->setObjectName("Command1");
    facetGrid->addWidget(Command1, 4, 3);
    for (int c = 0; c < 3; ++c)
        facetGrid->addWidget(heading(QString(kNodeColumn[c]).toUpper(), facetBox), 5, c + 1);
    facetGrid->addWidget(new QLabel("normal", facetBox), 6, 0);
    for (int c = 0; c < 3; ++c) {
        result_[c] = field(facetBox, QString("Text%1").arg(15 + c), "0", true);
        result_[c]->setAlignment(Qt::AlignRight);
        common::fitTextWidth(result_[c], kLongestResult);
        facetGrid->addWidget(result_[c], 6, c + 1);
    }
    for (int c = 1; c <= 3; ++c)
        facetGrid->setColumnStretch(c, 1);

    auto* Command2 = new QPushButton("Calculate normals", central);
    Command2->setObjectName("Command2");
    ProgressBar1 = new QProgressBar(central);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 255);
    ProgressBar1->setValue(0);
    ProgressBar1->setFormat("No model read");
    auto* run = new QHBoxLayout;
    run->addWidget(Command2);
    run->addWidget(ProgressBar1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(modelBox);
    left->addWidget(facetBox);
    left->addLayout(run);
    left->addStretch(1);

    // The model itself, to see which normals point the wrong way.
    auto* previewBox = new QGroupBox("Preview", central);
    preview_ = new ModelPreview(model_, previewBox);
    preview_->setObjectName("Preview");
    auto* showNormals = new QCheckBox("Show &normals", previewBox);
    showNormals->setObjectName("ShowNormals");
    normalCount_ = new QLabel(previewBox);
    normalCount_->setObjectName("NormalCount");
    normalCount_->setWordWrap(true);
    pickedInfo_ = new QLabel("Drag to turn, wheel to zoom, Home to reset; click a polygon for its data.", previewBox);
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

    open3dz = new OpenModelWindow(model_, this);
    save3dz = new SaveNormalsWindow(model_, this);

    connect(Open, &QAction::triggered, this, [this] { Open_Click(); });
    connect(save, &QAction::triggered, this, [this] { save_Click(); });
    connect(Exit, &QAction::triggered, this, &QWidget::close);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(open3dz, &OpenModelWindow::modelRead, this, [this] { showModel(); });
    connect(showNormals, &QCheckBox::toggled, preview_, &ModelPreview::setShowNormals);
    connect(preview_, &ModelPreview::elementPicked, this, [this](int e) { showPicked(e); });
    connect(save3dz, &SaveNormalsWindow::saved, this, [this](const QString& path) {
        statusBar()->showMessage(QString("Normals written to %1").arg(QDir::toNativeSeparators(path)));
    });
}

void MainWindow::openModelFile(const QString& path)
{
    const QFileInfo info(path);
    try {
        Model read = readModel(toPath(info.absolutePath()), info.fileName().toStdString(), model_);
        model_ = std::move(read);
    } catch (const std::exception& e) {
        showError(QString("%1 cannot be read:\n%2").arg(path, QString::fromStdString(e.what())));
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
    startElementProgress(ProgressBar1, model_.elementCount, "elements");
    statusBar()->showMessage(QString("%1 read").arg(QString::fromStdString(model_.fileName)));
    preview_->modelRead();
    pickedInfo_->setText("Drag to turn, wheel to zoom, Home to reset; click a polygon for its data.");
    showNormalCount();
}

void MainWindow::showNormalCount()
{
    const auto wrong = disagreeingElements(model_);
    normalCount_->setText(QString("%1 of %2 normals point another way than their polygon's nodes")
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
        pickedInfo_->setText("No polygon there.");
        return;
    }
    QStringList nodes;
    for (int j = 0; j < model_.vertexCounts[e]; ++j)
        nodes << QString::number(model_.vertices[e][j]);
    const ElementRecord& r = model_.elements[e];
    QString text = QString("Element %1, type %2, nodes %3; normal Y %4, Z %5, X %6")
                       .arg(e)
                       .arg(model_.polygonTypes[e])
                       .arg(nodes.join(", "))
                       .arg(r[0])
                       .arg(r[1])
                       .arg(r[2]);
    if (normalDisagrees(model_, e).value_or(false))
        text += " (points another way than its nodes)";
    pickedInfo_->setText(text);
}

void MainWindow::showError(const QString& text)
{
    common::dialogs().message(this, "Error", text, common::MessageIcon::Warning);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The helper windows go with the main one, so the program ends.
    open3dz->hide();
    save3dz->hide();
    QMainWindow::closeEvent(event);
}

void MainWindow::Open_Click()
{
    open3dz->show();
    open3dz->raise();
    open3dz->activateWindow();
}

void MainWindow::save_Click()
{
    save3dz->show();
    save3dz->raise();
    save3dz->activateWindow();
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
                showError(QString("node %1, %2: %3.").arg(row + 1).arg(kNodeColumn[c], QString::fromStdString(e.what())));
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
        showError(QString("This facet cannot be calculated: %1.").arg(QString::fromStdString(e.what())));
    }
}

void MainWindow::Command2_Click()
{
    try {
        startElementProgress(ProgressBar1, model_.elementCount, "elements");
        calculateNormals(model_,
            [this](int e) { showElementProgress(ProgressBar1, e, model_.elementCount, "elements"); });
    } catch (const NormalRangeError& e) {
        showError(QString::fromStdString(e.what()));
        return;
    }
    statusBar()->showMessage(QString("Normals of %1 elements calculated").arg(model_.elementCount));
    preview_->normalsChanged();
    showNormalCount();
}

} // namespace vector
