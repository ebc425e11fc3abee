// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpenModelWindow.h"
#include "common/ui/CoreText.h"

#include "vector/core/ModelReader.h"

#include "common/core/FileLookup.h"
#include "common/ui/RememberedFolder.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>

#include <exception>

namespace vector {

namespace {

const QString kProgram = QStringLiteral("vector");
const QString kDialog = QStringLiteral("Open3dz");

} // namespace

OpenModelWindow::OpenModelWindow(Model& model, QWidget* parent)
    : FileWindow("open3dz", tr("Open 3dz file"), "*.3dz", tr("File &name:"), "*.3dz", parent), model_(model)
{
    setFolder(common::startFolder(kProgram, kDialog, folder(), {QStringLiteral("*.3dz")}).folder);
}

void OpenModelWindow::OKButton_Click()
{
    if (Text1->text().isEmpty()) {
        showError(tr("No file name"));
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
        if (!common::findNoCase(folderPath(), toPath(name).string())) {
            showError(tr("No file is selected, and there is no file \"%1\" in %2.")
                          .arg(name, QDir::toNativeSeparators(folder())));
            return;
        }
    }
    try {
        // Read beside the shown model, so a refused file changes nothing.
        Model read = readModel(folderPath(), toPath(name).string(), model_);
        model_ = std::move(read);
    } catch (const std::exception& e) {
        showError(common::readFailureText(name, e));
        return;
    }
    common::rememberFolder(kProgram, kDialog, folder());
    emit modelRead();
    hide();
}

} // namespace vector
