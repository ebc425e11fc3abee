// How the controls show an aircraft's values and store the user's input
// back into the working copy.
#include "MainWindow.h"

#include "ControlPage.h"
#include "DamagePage.h"
#include "EnginePage.h"
#include "StabilityPage.h"
#include "TypePage.h"
#include "StringGrid.h"
#include "UpDown.h"

#include "wingsmith/core/AircraftDomain.h"
#include "wingsmith/core/FieldCodes.h"
#include "wingsmith/core/NumberFormat.h"

#include "common/ui/AccessibleNames.h"

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

namespace {

// The code of a coded field's list row.
std::int16_t codeAt(const std::vector<FieldCode>& codes, int row)
{
    return static_cast<std::int16_t>(codes[static_cast<std::size_t>(row)].value);
}

} // namespace

PageHooks MainWindow::pageHooks()
{
    return {[this](int control, const QStringList& fields, const PageHooks::Change& change) {
                record(control, fields, change);
            },
        [this] { return decimalSeparator().toLatin1(); }, [this](const std::exception& e) { showConversionError(e); },
        [this](QWidget* control) { pending_.insert(control); },
        [this](QLineEdit* edit, int control, const QStringList& fields,
            const std::function<void(AircraftValues&, const QString&)>& store) {
            wireNumberField(edit, control, fields, store);
        }};
}

std::vector<FieldPage*> MainWindow::fieldPages() const
{
    std::vector<FieldPage*> pages;
    for (FieldPage* page : {stabilityPage_, enginePage_, controlPage_, static_cast<FieldPage*>(typePage_), damagePage_})
        if (page)
            pages.push_back(page);
    return pages;
}

std::vector<StringGrid*> MainWindow::grids() const
{
    std::vector<StringGrid*> out;
    for (FieldPage* page : fieldPages())
        out.insert(out.end(), page->grids().begin(), page->grids().end());
    for (StringGrid* grid : StringGrid_)
        if (grid)
            out.push_back(grid);
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

void MainWindow::wireGunPage()
{
    connect(Edit[5], &QLineEdit::textChanged, this, [this] {
        GunGroupVisibility();
        record(0,
            [this](AircraftValues& v) { v.planes.gunGroupCount = static_cast<std::int16_t>(UpDown_[2]->position()); });
    });
    for (int g = 1; g <= 6; ++g) {
        const auto gi = static_cast<std::size_t>(g - 1);
        const auto guns = static_cast<std::size_t>(6 + 2 * (g - 1));
        const auto ammo = guns + 1;
        const auto list = static_cast<std::size_t>(4 + 4 * (g - 1));
        UpDown* gunsUp = UpDown_[static_cast<std::size_t>(3 + 2 * (g - 1))];
        UpDown* ammoUp = UpDown_[static_cast<std::size_t>(4 + 2 * (g - 1))];
        connect(Edit[guns], &QLineEdit::textChanged, this, [this, gi, gunsUp] {
            record(0, [&](AircraftValues& v) {
                v.planes.planesGunGroups[gi].guns = static_cast<std::int16_t>(gunsUp->position());
            });
        });
        connect(Edit[ammo], &QLineEdit::textChanged, this, [this, gi, ammoUp] {
            record(0, [&](AircraftValues& v) {
                v.planes.planesGunGroups[gi].ammo = static_cast<std::int16_t>(ammoUp->position());
            });
        });
        connect(ComboBox[list], &QComboBox::activated, this, [this, gi](int i) {
            record(
                0, [&](AircraftValues& v) { v.planes.planesGunGroups[gi].position = codeAt(gunPositionCodes(), i); });
        });
        connect(ComboBox[list + 1], &QComboBox::activated, this, [this, gi](int i) {
            record(0, [&](AircraftValues& v) { v.planes.planesGunGroups[gi].caliber = codeAt(caliberCodes(), i); });
        });
        connect(ComboBox[list + 2], &QComboBox::activated, this, [this, gi](int i) {
            record(0, [&](AircraftValues& v) { v.planes.planesGunGroups[gi].sound = codeAt(gunSoundCodes(), i); });
        });
        connect(ComboBox[list + 3], &QComboBox::activated, this, [this, gi](int i) {
            record(0, [&](AircraftValues& v) { v.planes.planesGunGroups[gi].smoke = codeAt(smokeCodes(), i); });
        });
    }

}

void MainWindow::wireNumberField(QLineEdit* edit, int control, const QStringList& fields,
    const std::function<void(AircraftValues&, const QString&)>& store)
{
    connect(edit, &QLineEdit::textChanged, this, [this, edit, control, fields, store](const QString& t) {
        try {
            record(control, fields, [&](AircraftValues& v) { store(v, t); });
            unreadable_.erase(edit);
        } catch (const ConversionError&) {
            // Half-typed ("-", "") or shown by the program itself (NAN):
            // the stored value stays; only a user's text is reported.
            if (!showing_)
                unreadable_.insert(edit);
        }
    });
    connect(edit, &QLineEdit::editingFinished, this, [this, edit, control, fields, store] {
        if (!unreadable_.erase(edit))
            return;
        try {
            record(control, fields, [&](AircraftValues& v) { store(v, edit->text()); });
        } catch (const ConversionError& e) {
            showConversionError(e);
        }
    });
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
    if (pageBuilt(4))
        fillGunPage(v);
    if (damagePage_)
        damagePage_->fill(v);

    // Filling is not an edit.
    showing_ = false;
    pending_.clear();
    unreadable_.clear();
    showDomainWarnings();
}

void MainWindow::fillGunPage(const AircraftValues& v)
{
    const auto& fltName = rosterByPosition(document_->shownPosition()).fltName;
    PageControl2->setTabText(PageControl2->indexOf(TabSheet[6]),
        QString::fromUtf8(fltName.data(), static_cast<int>(fltName.size())));

    UpDown_[2]->setPosition(v.planes.gunGroupCount);
    for (int g = 1; g <= 6; ++g) {
        const auto& group = v.planes.planesGunGroups[static_cast<std::size_t>(g - 1)];
        const auto list = static_cast<std::size_t>(4 + 4 * (g - 1));
        UpDown_[static_cast<std::size_t>(3 + 2 * (g - 1))]->setPosition(group.guns);
        UpDown_[static_cast<std::size_t>(4 + 2 * (g - 1))]->setPosition(group.ammo);
        ComboBox[list]->setCurrentIndex(codeIndex(gunPositionCodes(), group.position));
        ComboBox[list + 1]->setCurrentIndex(codeIndex(caliberCodes(), group.caliber));
        ComboBox[list + 2]->setCurrentIndex(codeIndex(gunSoundCodes(), group.sound));
        ComboBox[list + 3]->setCurrentIndex(codeIndex(smokeCodes(), group.smoke));
    }

    for (int g = 1; g <= 6; ++g) {
        const auto& group = v.flight.fltGunGroups[static_cast<std::size_t>(g - 1)];
        StringGrid* grid = StringGrid_[static_cast<std::size_t>(9 + g)];
        for (int r = 0; r < 10; ++r)
            grid->fillCell(r, 0, general(group.values[static_cast<std::size_t>(r)]));
        grid->fillCell(10, 0, QString::number(group.gunId));
        grid->fillCell(11, 0, QString::number(group.tracerRange));
    }
}

void MainWindow::ensurePage(int sheet)
{
    const auto s = static_cast<std::size_t>(sheet);
    if (builtPages_[s])
        return;
    QWidget* content = nullptr;
    switch (sheet) {
    case 3:
        content = controlPage_ = new ControlPage(catalogue_, pageHooks());
        break;
    case 4: content = buildGunPage(); break;
    case 8: {
        damagePage_ = new DamagePage(catalogue_, pageHooks());
        auto* scroll = new QScrollArea;
        scroll->setObjectName("ScrollBox1");
        scroll->setWidget(damagePage_);
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
    if (sheet == 4)
        wireGunPage();
    if (!document_->hasShown())
        return;
    const AircraftValues v = document_->shown();
    const bool wasShowing = showing_;
    showing_ = true;
    switch (sheet) {
    case 3:
        controlPage_->fill(v);
        break;
    case 4: fillGunPage(v); break;
    default:
        damagePage_->fill(v);
        break;
    }
    showing_ = wasShowing;
}

void MainWindow::GunGroupVisibility()
{
    if (!pageBuilt(4))
        return;
    const int n = UpDown_[2]->position();
    for (int g = 1; g <= 6; ++g) {
        const bool visible = g <= n;
        const auto list = static_cast<std::size_t>(4 + 4 * (g - 1));
        rowLabel_[static_cast<std::size_t>(g)]->setVisible(visible);
        for (std::size_t e : {static_cast<std::size_t>(6 + 2 * (g - 1)), static_cast<std::size_t>(7 + 2 * (g - 1))})
            Edit[e]->setVisible(visible);
        for (std::size_t u : {static_cast<std::size_t>(3 + 2 * (g - 1)), static_cast<std::size_t>(4 + 2 * (g - 1))}) {
            UpDown_[u]->setVisible(visible);
            UpDown_[u]->setEnabled(visible);
        }
        for (std::size_t c = list; c < list + 4; ++c)
            ComboBox[c]->setVisible(visible);
        StringGrid_[static_cast<std::size_t>(9 + g)]->setVisible(visible);
        groupHeader_[static_cast<std::size_t>(g)]->setVisible(visible);
    }
}

// ---- Committing ----

void MainWindow::commitGrid(StringGrid* grid)
{
    pending_.erase(grid);
    for (FieldPage* page : fieldPages())
        for (FieldGrid* own : page->grids())
            if (own == grid) {
                page->commitGrid(own);
                return;
            }
    // Which grid it is, by where it was put, never by its name.
    const int n = static_cast<int>(std::find(StringGrid_.begin(), StringGrid_.end(), grid) - StringGrid_.begin());
    const char sep = decimalSeparator().toLatin1();
    auto asFloat = [sep](const QString& t) { return parseFloat(t.toStdString(), sep); };
    auto asInteger = [](const QString& t) { return parseInteger(t.toStdString()); };
    std::function<void(FlightValues&, int, int, const QString&)> store;
    if (n >= 10 && n <= 15) {
        const auto gi = static_cast<std::size_t>(n - 10);
        store = [&, gi](FlightValues& f, int r, int, const QString& t) {
            FltGunGroup& g = f.fltGunGroups[gi];
            if (r < 10)
                g.values[static_cast<std::size_t>(r)] = asFloat(t);
            else if (r == 10)
                g.gunId = static_cast<std::uint16_t>(asInteger(t) & 0xFFFF);
            else
                g.tracerRange = static_cast<std::uint16_t>(asInteger(t) & 0xFFFF);
        };
    } else {
        return;
    }
    try {
        // Each changed cell is a step of its own.
        grid->commitEdits(
            [&](int r, int c, const QString& t) { record(0, [&](AircraftValues& v) { store(v.flight, r, c, t); }); });
    } catch (const ConversionError& e) {
        showConversionError(e);
    }
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
        = document_->hasShown() ? aircraftOutOfDomain(document_->shown()) : std::vector<DomainWarning>{};
    if (warnings.empty()) {
        domainWarning_->clear();
        domainWarning_->hide();
        return;
    }
    const auto& caption = rosterByPosition(document_->shownPosition()).caption;
    QStringList parts;
    for (std::size_t i = 0; i < warnings.size() && i < 2; ++i)
        parts << tr("%1 is %2, expected %3")
                     .arg(QString::fromStdString(warnings[i].field), QString::fromStdString(warnings[i].value),
                         QString::fromStdString(warnings[i].expected));
    QString text = QString::fromLatin1(caption.data(), static_cast<int>(caption.size())) + QStringLiteral(": ")
        + parts.join(QStringLiteral("; "));
    if (warnings.size() > 2)
        text += tr(" (and %n more)", nullptr, static_cast<int>(warnings.size() - 2));
    domainWarning_->setText(text);
    domainWarning_->setToolTip(tr("The game does not know these values; Wingsmith saves them as they are."));
    domainWarning_->show();
}

void MainWindow::Comparevalues()
{
    BitBtn1->setFocus();
    commitPending();
    document_->workspace().compareValues();
}

} // namespace wingsmith
