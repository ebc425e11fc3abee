#pragma once

#include "FileWindow.h"

#include "vector/core/Model.h"

namespace vector {

// "Open 3dz file": reads the chosen model into the shared model. A model
// that cannot be read leaves the shared one as it was.
class OpenWindow : public FileWindow {
    Q_OBJECT

public:
    OpenWindow(Model& model, QWidget* parent);

signals:
    void modelRead();

protected:
    void OKButton_Click() override;

private:
    Model& model_;
};

} // namespace vector
