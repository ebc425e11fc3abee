// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileWindow.h"

#include "vector/core/Model.h"

class QProgressBar;

namespace vector {

// "Save normals as text file": writes the element records as they are now.
class SaveNormalsWindow : public FileWindow {
    Q_OBJECT

public:
    SaveNormalsWindow(const Model& model, QWidget* parent);

signals:
    void saved(const QString& path);

protected:
    void OKButton_Click() override;

private:
    const Model& model_;
    QProgressBar* ProgressBar1;
};

} // namespace vector
