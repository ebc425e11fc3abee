// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vector/core/Model.h"

#include <QMainWindow>

#include <array>

class QLabel;
class QLineEdit;
class QProgressBar;

namespace vector {

class ModelPreview;
class OpenModelWindow;
class SaveNormalsWindow;

// "Vector calculator ver 2.0": shows the model's counts, computes the
// normals of all its elements, and holds a calculator for one facet.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Reads a model named on the command line, relative to the current
    // folder; a refused model is reported and nothing changes.
    void openModelFile(const QString& path);

    const Model& model() const { return model_; }

    // The open and save windows, made when first needed: listing folders
    // and fetching folder icons is most of what they cost.
    OpenModelWindow& openWindow();
    SaveNormalsWindow& saveWindow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Open_Click();
    void save_Click();
    void Command1_Click();
    void Command2_Click();
    void showModel();
    void showNormalCount();
    void showPicked(int element);
    void showError(const QString& text);
    void updateTitle();
    static QString previewHint();

    Model model_;
    OpenModelWindow* open3dz = nullptr;
    SaveNormalsWindow* save3dz = nullptr;

    QLineEdit* text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    std::array<QLineEdit*, 9> input_;  // Text6 ... Text14: rows are nodes, columns y, z, x
    std::array<QLineEdit*, 3> result_; // Text15 ... Text17: Y, Z, X
    QProgressBar* ProgressBar1;
    ModelPreview* preview_;
    QLabel* normalCount_;
    QLabel* pickedInfo_;
};

} // namespace vector
