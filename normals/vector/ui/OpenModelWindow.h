// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileWindow.h"

#include "vector/core/Model.h"

namespace vector {

// "Open 3dz file": reads the chosen model into the shared model. A model
// that cannot be read leaves the shared one as it was.
class OpenModelWindow : public FileWindow {
    Q_OBJECT

public:
    OpenModelWindow(Model& model, QWidget* parent);

signals:
    void modelRead();

protected:
    void OKButton_Click() override;

private:
    Model& model_;
};

} // namespace vector
