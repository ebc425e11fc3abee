// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;

namespace kitbag {

// Asks the name and version of a mod about to be made.
class ManifestDialog : public QDialog {
    Q_OBJECT

public:
    explicit ManifestDialog(QWidget* parent = nullptr);

    QString modName() const;
    QString modVersion() const;

private:
    QLineEdit* name_ = nullptr;
    QLineEdit* version_ = nullptr;
};

} // namespace kitbag
