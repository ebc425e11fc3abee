// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportWindow.h"
#include "common/ui/CoreText.h"
#include "common/ui/NativePath.h"

#include "common/ui/BackupNotice.h"
#include "common/ui/StandardActions.h"

#include "probewell/core/InstallationReport.h"

#include <QEvent>
#include <QFrame>
#include <QPalette>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <vector>

namespace probewell {

namespace {

QString fromPath(const std::filesystem::path& p)
{
    return common::pathText(p);
}

} // namespace

ReportWindow::ReportWindow(std::filesystem::path gameFolder, QWidget* parent)
    : QWidget(parent)
    , gameFolder_(std::move(gameFolder))
{
    setObjectName("Form1");
    setWindowTitle(tr("Installation Report — Probewell"));

    Label1_ = new QLabel(this);
    Label1_->setObjectName("Label1");
    Label1_->setTextFormat(Qt::PlainText);

    folderLabel_ = new QLabel(this);
    folderLabel_->setObjectName("lblFolder");
    folderLabel_->setTextFormat(Qt::PlainText);
    folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folderLabel_->setToolTip(tr("The folder reported on: the folder Probewell was started in"));

    noticeLabel_ = new QLabel(this);
    noticeLabel_->setObjectName("lblNotice");
    noticeLabel_->setTextFormat(Qt::PlainText);
    noticeLabel_->setWordWrap(true);
    QFont bold = noticeLabel_->font();
    bold.setBold(true);
    noticeLabel_->setFont(bold);
    colourNotice();
    noticeLabel_->hide();

    status_ = new QLabel(this);
    status_->setObjectName("lblStatus");
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);
    Command1_ = new QPushButton(tr("&OK!"), Frame1);
    Command1_->setToolTip(tr("Write Probewell.txt into this folder and end (Ctrl+S)"));
    Command1_->setObjectName("Command1");
    Command1_->setDefault(true);
    Command1_->setMinimumWidth(120);
    auto* frameLayout = new QHBoxLayout(Frame1);
    frameLayout->addWidget(folderLabel_, 1);
    frameLayout->addWidget(Command1_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(Label1_);
    layout->addWidget(noticeLabel_);
    layout->addWidget(Frame1);
    layout->addWidget(status_);

    connect(Command1_, &QPushButton::clicked, this, &ReportWindow::Command1_Click);
    common::StandardActions(this, {.save = [this] { Command1_->click(); }, .quit = [this] { close(); }});
    Form_Load();
}

QStringList ReportWindow::explanationLines()
{
    return {
        tr("Running this program assumes that:"),
        tr("1.  It is located in your main Vantor directory"),
        tr("2.  Your Nimbar directory is named 'Nimbar' and it is also located in your Vantor     directory"),
        tr("If not, then hit the close box!"),
        QString(),
        tr("Hitting the 'OK' button will make a file named 'Probewell.txt' in your Vantor directory."),
        tr("Please send 'Probewell.txt' by e-mail to the author of Nimbar, at the"),
        tr("address given in the Nimbar readme file. In your e-mail, please tell"),
        tr("which version of the Nimbar selector tool you are using, and copy in"),
        tr("the exact text of any error messages you have seen while using it."),
        tr("Thank you for helping to track the problem down."),
    };
}

void ReportWindow::Form_Load()
{
    Label1_->setText(explanationLines().join('\n'));
    folderLabel_->setText(tr("Vantor directory: %1").arg(fromPath(gameFolder_)));
    if (!findAddonFolder(gameFolder_)) {
        showNotice(tr("There is no folder named '%1' in this directory. The report will list no Nimbar "
                           "folders or files.")
                       .arg(QString::fromUtf8(kAddonFolderName.data(), static_cast<int>(kAddonFolderName.size()))));
    }
}

void ReportWindow::Command1_Click()
{
    std::vector<std::string> problems;
    const int backups = common::backupCount();
    std::filesystem::path report;
    try {
        report = writeReport(gameFolder_, &problems);
    } catch (const std::exception& e) {
        // Ending as if all went well would leave the user sending nothing.
        showNotice(common::writeFailureText(QStringLiteral("Probewell.txt"), e));
        return;
    }
    // Said before the window goes, and seen where it stays for the problems.
    status_->setText(common::withBackupNotice(tr("Wrote %1.").arg(fromPath(report))));
    if (!problems.empty()) {
        // The report is there, but incomplete: the user should know why
        // before sending it.
        QStringList lines{tr("Probewell.txt was written, but not everything could be listed:")};
        for (const std::string& problem : problems)
            lines << QString::fromLocal8Bit(problem);
        showNotice(lines.join('\n'));
        return;
    }
    common::reportNewBackup(this, windowTitle(), backups);
    close();
}

QColor ReportWindow::noticeColour(const QColor& background)
{
    // Relative luminance and contrast as the accessibility guidelines
    // define them; 4.5:1 is their minimum for text.
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double back = luminance(background);
    const auto contrast = [&](const QColor& c) {
        const double l = luminance(c);
        return (std::max(l, back) + 0.05) / (std::min(l, back) + 0.05);
    };
    // A red, made lighter on a dark window and darker on a light one
    // until it reads.
    const bool dark = back < 0.18;
    QColor red = QColor::fromHsl(0, 200, 110);
    for (int lightness = red.lightness(); contrast(red) < 4.5 && lightness > 0 && lightness < 255;) {
        lightness += dark ? 5 : -5;
        red = QColor::fromHsl(0, 200, std::clamp(lightness, 0, 255));
    }
    return red;
}

void ReportWindow::colourNotice()
{
    QPalette palette = noticeLabel_->palette();
    palette.setColor(QPalette::WindowText, noticeColour(this->palette().color(QPalette::Window)));
    noticeLabel_->setPalette(palette);
}

void ReportWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange && noticeLabel_)
        colourNotice();
    QWidget::changeEvent(event);
}

void ReportWindow::showNotice(const QString& text)
{
    noticeLabel_->setText(text);
    noticeLabel_->show();
}

} // namespace probewell
