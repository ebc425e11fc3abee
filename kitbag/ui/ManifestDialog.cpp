// SPDX-License-Identifier: GPL-3.0-or-later
#include "kitbag/ui/ManifestDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace kitbag {

ManifestDialog::ManifestDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("manifestDialog");
    setWindowTitle(tr("Make a mod — Kitbag"));
    name_ = new QLineEdit(this);
    name_->setObjectName("modNameField");
    version_ = new QLineEdit(QStringLiteral("1.0.0"), this);
    version_->setObjectName("modVersionField");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("manifestButtons");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("&Version:"), version_);
    form->addRow(buttons);
}

QString ManifestDialog::modName() const
{
    return name_->text().trimmed();
}

QString ManifestDialog::modVersion() const
{
    return version_->text().trimmed();
}

} // namespace kitbag
