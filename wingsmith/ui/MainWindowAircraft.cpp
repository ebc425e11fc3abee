// SPDX-License-Identifier: GPL-3.0-or-later
// How the controls show an aircraft's values and store the user's input
// back into the working copy.
#include "MainWindow.h"

#include "ControlPage.h"
#include "DamagePage.h"
#include "EnginePage.h"
#include "GunPage.h"
#include "StabilityPage.h"
#include "TypePage.h"
#include "StringGrid.h"
#include "UpDown.h"

#include "wingsmith/core/AircraftDomain.h"
#include "wingsmith/core/FieldCodes.h"
#include "wingsmith/core/NumberFormat.h"

#include "common/ui/AccessibleNames.h"
#include "common/ui/DomainNotice.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QTabWidget>
#include <QUndoStack>

#include <algorithm>

namespace wingsmith {

char MainWindow::separator() const
{
    return decimalSeparator().toLatin1();
}

void MainWindow::conversionError(const std::exception& e)
{
    showConversionError(e);
}

void MainWindow::leftPending(QWidget* control)
{
    pending_.insert(control);
}

std::vector<FieldPage*> MainWindow::fieldPages() const
{
    std::vector<FieldPage*> pages;
    for (FieldPage* page : {stabilityPage_, enginePage_, controlPage_, static_cast<FieldPage*>(gunPage_),
             static_cast<FieldPage*>(typePage_), damagePage_})
        if (page)
            pages.push_back(page);
    return pages;
}

std::vector<StringGrid*> MainWindow::grids() const
{
    std::vector<StringGrid*> out;
    for (FieldPage* page : fieldPages())
        for (const FieldGrid& grid : page->grids())
            out.push_back(grid.grid());
    return out;
}

void MainWindow::wireCommitOnLeave()
{
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_ && row >= 0)
            ListBox1Click();
    });
}

void MainWindow::numberField(QLineEdit* edit, int control, const PageField& field, bool asFloat)
{
    const QStringList fields{QString::fromStdString(field.field->name)};
    connect(edit, &QLineEdit::textChanged, this, [this, edit, control, fields, field, asFloat](const QString& t) {
        try {
            storeTyped(control, fields, field, asFloat, t);
            unreadable_.erase(edit);
        } catch (const ConversionError&) {
            // Half-typed ("-", "") or shown by the program itself (NAN):
            // the stored value stays; only a user's text is reported.
            if (!showing_)
                unreadable_.insert(edit);
        }
    });
    connect(edit, &QLineEdit::editingFinished, this, [this, edit, control, fields, field, asFloat] {
        if (!unreadable_.erase(edit))
            return;
        try {
            storeTyped(control, fields, field, asFloat, edit->text());
        } catch (const ConversionError& e) {
            showConversionError(e);
        }
    });
}

void MainWindow::storeTyped(
    int control, const QStringList& fields, const PageField& field, bool asFloat, const QString& text)
{
    record(control, fields, [&](AircraftValues& v) { PageHooks::storeText(v, field, asFloat, text, separator()); });
}

void MainWindow::enableAircraftPages(bool enabled)
{
    for (int sheet : {1, 2, 3, 4, 7, 8})
        TabSheet[static_cast<std::size_t>(sheet)]->setEnabled(enabled);
}

QChar MainWindow::decimalSeparator() const
{
    const QString point = locale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? point[0] : QChar('.');
}

QString MainWindow::general(float v) const
{
    return QString::fromStdString(formatGeneral(v, decimalSeparator().toLatin1()));
}

QString MainWindow::fixed(float v, int decimals) const
{
    return QString::fromStdString(formatFixed(v, decimals, decimalSeparator().toLatin1()));
}

// ---- Showing ----

void MainWindow::ListBox1Click()
{
    const int p = ListBox1->currentRow();
    if (p < 0)
        return;
    commitPending();
    document_->show(p);
}

void MainWindow::onShownChanged(int position)
{
    filling_ = true;
    ListBox1->setCurrentRow(position);
    filling_ = false;
    if (position < 0) {
        enableAircraftPages(false);
        return;
    }
    fillAircraft();
    enableAircraftPages(true);
}

void MainWindow::onAircraftChanged(int position, const QStringList&)
{
    // An edit made here is on show already.
    if (committing_ || showing_ || position != document_->shownPosition()) {
        showDomainWarnings();
        return;
    }
    fillAircraft();
    enableAircraftPages(true);
}

void MainWindow::fillAircraft()
{
    const AircraftValues v = document_->shown();
    showing_ = true;

    stabilityPage_->fill(v);

    enginePage_->fill(v);
    typePage_->fill(v);
    if (controlPage_)
        controlPage_->fill(v);
    if (gunPage_) {
        gunPage_->setRecordName(recordName());
        gunPage_->fill(v);
    }
    if (damagePage_)
        damagePage_->fill(v);

    // Filling is not an edit.
    showing_ = false;
    pending_.clear();
    unreadable_.clear();
    showDomainWarnings();
}

void MainWindow::ensurePage(int sheet)
{
    const auto s = static_cast<std::size_t>(sheet);
    if (builtPages_[s])
        return;
    QWidget* content = nullptr;
    switch (sheet) {
    case 3:
        content = (controlPage_ = new ControlPage(catalogue_, *this))->widget();
        break;
    case 4:
        content = (gunPage_ = new GunPage(catalogue_, *this))->widget();
        PageControl2 = gunPage_->pages();
        TabSheet[5] = gunPage_->tableSheet();
        TabSheet[6] = gunPage_->recordSheet();
        break;
    case 8: {
        damagePage_ = new DamagePage(catalogue_, *this);
        auto* scroll = new QScrollArea;
        scroll->setObjectName("ScrollBox1");
        scroll->setWidget(damagePage_->widget());
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        content = scroll;
        break;
    }
    default: return;
    }
    builtPages_[s] = true;
    TabSheet[s]->layout()->addWidget(content);
    common::nameControlsByLabels(*content);
    if (!document_->hasShown())
        return;
    const AircraftValues v = document_->shown();
    const bool wasShowing = showing_;
    showing_ = true;
    switch (sheet) {
    case 3:
        controlPage_->fill(v);
        break;
    case 4:
        gunPage_->setRecordName(recordName());
        gunPage_->fill(v);
        break;
    default:
        damagePage_->fill(v);
        break;
    }
    showing_ = wasShowing;
}

QString MainWindow::recordName() const
{
    const auto& fltName = rosterByPosition(document_->shownPosition()).fltName;
    return QString::fromUtf8(fltName.data(), static_cast<int>(fltName.size()));
}

void MainWindow::GunGroupVisibility()
{
    if (gunPage_)
        gunPage_->GunGroupVisibility();
}

// ---- Committing ----

void MainWindow::commitGrid(StringGrid* grid)
{
    pending_.erase(grid);
    for (FieldPage* page : fieldPages())
        if (page->commitGrid(grid))
            return;
}

void MainWindow::commitCheckBox(QCheckBox* box)
{
    pending_.erase(box);
    typePage_->commitBox(box);
}

void MainWindow::onFocusChanged(QWidget* from, QWidget* to)
{
    auto inside = [](QWidget* control, QWidget* w) { return w && (w == control || control->isAncestorOf(w)); };
    for (StringGrid* grid : grids())
        if (inside(grid, from) && !inside(grid, to) && pending_.count(grid))
            commitGrid(grid);
    for (QCheckBox* box : typePage_->boxes())
        if (from == box && to != box && pending_.count(box))
            commitCheckBox(box);
}

void MainWindow::commitPending()
{
    // Pages not built yet hold no input.
    const std::vector<StringGrid*> all = grids();
    for (StringGrid* grid : all)
        grid->finishEditing();
    for (StringGrid* grid : all)
        if (pending_.count(grid))
            commitGrid(grid);
    for (QCheckBox* box : typePage_->boxes())
        if (pending_.count(box))
            commitCheckBox(box);
}

void MainWindow::record(int control, const QStringList& fields, const Store& change)
{
    // Showing an aircraft reads some fields back; that is no edit.
    if (showing_) {
        document_->storeShown(change);
        return;
    }
    const QScopedValueRollback<bool> committing(committing_, true);
    document_->edit(control, fields, change);
}

void MainWindow::undoEdit()
{
    // An edit still held by a grid or box becomes the step undone.
    commitPending();
    document_->undo();
}

void MainWindow::redoEdit()
{
    commitPending();
    document_->redo();
}

void MainWindow::showDomainWarnings()
{
    const auto warnings
        = document_->hasShown() ? aircraftOutOfDomain(workspace().catalogue(), document_->shown()) : std::vector<DomainWarning>{};
    QString text;
    if (!warnings.empty()) {
        const auto& caption = rosterByPosition(document_->shownPosition()).caption;
        QStringList parts;
        for (std::size_t i = 0; i < warnings.size() && i < 2; ++i)
            parts << tr("%1 is %2, expected %3")
                         .arg(QString::fromStdString(warnings[i].field), QString::fromStdString(warnings[i].value),
                             QString::fromStdString(warnings[i].expected));
        text = common::withMoreCount(QString::fromLatin1(caption.data(), static_cast<int>(caption.size()))
                + QStringLiteral(": ") + parts.join(QStringLiteral("; ")),
            2, warnings.size());
    }
    common::showDomainLabel(
        *domainWarning_, text, tr("The game does not know these values; Wingsmith saves them as they are."));
}

void MainWindow::Comparevalues()
{
    BitBtn1->setFocus();
    commitPending();
    document_->workspace().compareValues();
}

} // namespace wingsmith
