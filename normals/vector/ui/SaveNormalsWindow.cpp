// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveNormalsWindow.h"
#include "common/ui/CoreText.h"

#include "ElementProgress.h"

#include "vector/core/NormalsText.h"

#include "common/ui/BackupNotice.h"
#include "common/core/FileLookup.h"
#include "common/ui/Dialogs.h"
#include "common/ui/RememberedFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressBar>
#include <QVBoxLayout>

#include <exception>
#include <filesystem>
#include <system_error>

namespace vector {

namespace {

const QString kProgram = QStringLiteral("vector");
const QString kDialog = QStringLiteral("SaveNormals");

} // namespace

SaveNormalsWindow::SaveNormalsWindow(const Model& model, QWidget* parent)
    : FileWindow("save3dz", tr("Save normals as text file"), "*.txt", tr("Input map file name"), "temp.txt", parent),
      model_(model)
{
    setFolder(common::startFolder(kProgram, kDialog, folder(), {QStringLiteral("*.txt")}).folder);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 255);
    ProgressBar1->setValue(0);
    ProgressBar1->setFormat("");
    bottom->addWidget(ProgressBar1);
}

void SaveNormalsWindow::OKButton_Click()
{
    QString name = Text1->text();
    if (name.isEmpty()) {
        showError(tr("No file name"));
        return;
    }
    // The list shows the .txt files, so a bare name means one of them.
    if (QFileInfo(name).suffix().isEmpty()) {
        name += ".txt";
        Text1->setText(name);
    }
    // An existing file is replaced under its own spelling, and only when
    // the user says so: the folder may hold other tools' lists.
    const auto path = common::resolveNoCase(folderPath(), toPath(name).string());
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) {
        const QString question = tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(QDir::toNativeSeparators(fromPath(path)));
        if (common::dialogs().questionDefaultNo(this, windowTitle(), question, common::MessageIcon::Question)
            != common::Answer::Yes)
            return;
    }
    const QString unit = tr("lines");
    startElementProgress(ProgressBar1, model_.elementCount, unit);
    const int backups = common::backupCount();
    try {
        writeNormalsText(path, model_,
            [this, &unit](int e) { showElementProgress(ProgressBar1, e, model_.elementCount, unit); });
    } catch (const std::exception& e) {
        showError(common::writeFailureText(fromPath(path), e));
        return;
    }
    common::rememberFolder(kProgram, kDialog, folder());
    common::reportNewBackup(this, windowTitle(), backups);
    emit saved(fromPath(path));
    hide();
}

} // namespace vector
