#include "OpenModelWindow.h"

#include "vector/core/ModelReader.h"

#include "common/core/FileLookup.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>

#include <exception>

namespace vector {

OpenModelWindow::OpenModelWindow(Model& model, QWidget* parent)
    : FileWindow("open3dz", "Open 3dz file", "*.3dz", "File &name:", "*.3dz", parent), model_(model)
{
}

void OpenModelWindow::OKButton_Click()
{
    if (Text1->text().isEmpty()) {
        showError("No file name");
        hide();
        return;
    }
    // The file list names the file; without a choice there, a typed name
    // of an existing file will do.
    QString name;
    const auto selected = File1->selectedItems();
    if (!selected.isEmpty()) {
        name = selected.first()->text();
    } else {
        name = Text1->text();
        if (!common::findNoCase(folderPath(), name.toStdString())) {
            showError(QString("No file is selected, and there is no file \"%1\" in %2.")
                          .arg(name, QDir::toNativeSeparators(folder())));
            return;
        }
    }
    try {
        // Read beside the shown model, so a refused file changes nothing.
        Model read = readModel(folderPath(), name.toStdString(), model_);
        model_ = std::move(read);
    } catch (const std::exception& e) {
        showError(QString("%1 cannot be read:\n%2").arg(name, QString::fromStdString(e.what())));
        return;
    }
    emit modelRead();
    hide();
}

} // namespace vector
