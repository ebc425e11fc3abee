#include "SaveNormalsWindow.h"

#include "vector/core/NormalsText.h"

#include "common/core/FileLookup.h"

#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QVBoxLayout>

#include <exception>

namespace vector {

SaveNormalsWindow::SaveNormalsWindow(const Model& model, QWidget* parent)
    : FileWindow("save3dz", "Save normals as text file", "*.txt", "Input map file name", "temp.txt", parent),
      model_(model)
{
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 255);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    bottom->addWidget(ProgressBar1);
}

void SaveNormalsWindow::OKButton_Click()
{
    const QString name = Text1->text();
    if (name.isEmpty()) {
        showError("No file name");
        return;
    }
    // An existing file is replaced under its own spelling.
    const auto path = common::resolveNoCase(folderPath(), name.toStdString());
    ProgressBar1->setValue(0);
    try {
        writeNormalsText(path, model_, [this](int e) { ProgressBar1->setValue(e); });
    } catch (const std::exception& e) {
        showError(QString("%1 cannot be written:\n%2")
                      .arg(QDir::toNativeSeparators(fromPath(path)), QString::fromStdString(e.what())));
        return;
    }
    emit saved(fromPath(path));
    hide();
}

} // namespace vector
