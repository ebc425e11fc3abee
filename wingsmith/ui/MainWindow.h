// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AircraftSetDocument.h"
#include "PageCatalogue.h"
#include "PageHooks.h"

#include "wingsmith/core/Settings.h"

#include "common/core/IoError.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <set>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace wingsmith {

class FieldPage;
class FieldGrid;
class TypePage;
class GunPage;
class StringGrid;
class UpDown;

// The main window: the aircraft list and six pages showing every value of
// the aircraft picked, with the save, import, export and exit operations.
class MainWindow : public QMainWindow, private PageHooks {
    Q_OBJECT

public:
    explicit MainWindow(Settings settings, QWidget* parent = nullptr);
    // The pages built from `catalogue`, and the aircraft read, compared and
    // saved by it; it must outlive the window.
    MainWindow(Settings settings, const AircraftCatalogue& catalogue, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Handlers, public so tests can drive the window as a user would.
    void StartUp();
    void ListBox1Click();
    void GunGroupVisibility();
    void Comparevalues();
    void BitBtn1Click();
    void BitBtn2Click();
    void SavedatatoDATACDFandFLTCDF1Click();
    void PathClick1Click();
    void Exit1Click();
    void About2Click();

    bool RestoreDir();
    void SaveDir();

    AircraftSetDocument& document() { return *document_; }
    const Workspace& workspace() const { return document_->workspace(); }
    Workspace& workspace() { return document_->workspace(); }
    const std::string& resourcePath() const { return resourcePath_; }
    // The list position whose values the controls show and edits go into.
    int shownPosition() const { return document_->shownPosition(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the window.
    void buildMenus();
    void buildToolBar();
    void wireCommitOnLeave();
    // The control, gun and damage pages are built when first shown, and then
    // show the aircraft picked: most of a start's cost would otherwise be
    // widgets no one has looked at yet. Filling those pages changes no value.
    void ensurePage(int sheet);
    bool pageBuilt(int sheet) const { return builtPages_[static_cast<std::size_t>(sheet)]; }

    // Showing.
    void fillAircraft();
    // The flight-record name of the aircraft shown.
    QString recordName() const;
    QChar decimalSeparator() const;
    QString general(float v) const;
    QString fixed(float v, int decimals) const;

    // Committing.
    using Store = std::function<void(AircraftValues&)>;
    void enableAircraftPages(bool enabled);
    // What the pages ask of the window.
    // A text field stored as soon as its text reads as a number; a text that
    // does not read is reported once, when the field is left.
    // `control` names the field for undo, so its keystrokes make one step.
    void numberField(QLineEdit* edit, int control, const PageField& field, bool asFloat) override;
    // One step storing a number field's `text`, as numberField says.
    void storeTyped(int control, const QStringList& fields, const PageField& field, bool asFloat, const QString& text);
    char separator() const override;
    void conversionError(const std::exception& e) override;
    void leftPending(QWidget* control) override;
    // Sends `change` of the aircraft shown to the document as one edit;
    // `control` as for AircraftEdit.
    void record(int control, const Store& change) { record(control, {}, change); }
    void record(int control, const QStringList& fields, const Store& change) override;
    // The pages built from the catalogue so far.
    std::vector<FieldPage*> fieldPages() const;
    // Every grid built so far, the catalogue pages' and the window's own.
    std::vector<StringGrid*> grids() const;
    // The document's news: an aircraft's values, the aircraft shown.
    void onAircraftChanged(int position, const QStringList& fields);
    void onShownChanged(int position);
    void undoEdit();
    void redoEdit();
    void commitGrid(StringGrid* grid);
    void commitCheckBox(QCheckBox* box);
    void commitPending();
    void onFocusChanged(QWidget* from, QWidget* to);

    // Operations.
    // The save of "Save data to FLT files"; false when it failed (and said so).
    bool save();
    // Before a save: when another program changed a file it writes since it
    // was read, asks whether to overwrite, reload or save nothing; true when
    // the save may go on.
    bool mayOverwriteGameFiles();
    // Asks whether to save unsaved changes first, and saves on Yes; false
    // when the user cancelled or the save failed.
    bool offerToSave(const QString& question);
    bool exitProgram();
    void updateTitle();
    // The status line's warning when a value of the aircraft shown lies
    // outside what the game knows; a warning only, nothing is refused.
    void showDomainWarnings();
    // The last folder picked in the directory window, kept between runs.
    QString lastGameFolder() const;
    void rememberGameFolder(const QString& folder);
    void showIoError(const common::IoError& e);
    void showConversionError(const std::exception& e);
    void warn(const QString& text);

    Settings settings_;
    PageCatalogue catalogue_;
    AircraftSetDocument* document_ = nullptr;
    FieldPage* stabilityPage_ = nullptr;
    FieldPage* enginePage_ = nullptr;
    FieldPage* controlPage_ = nullptr;
    FieldPage* damagePage_ = nullptr;
    TypePage* typePage_ = nullptr;
    GunPage* gunPage_ = nullptr;
    std::string resourcePath_;
    QLabel* domainWarning_ = nullptr;
    bool filling_ = false;
    bool showing_ = false;
    // An edit of the window's own controls, which show it already.
    bool committing_ = false;
    std::set<QLineEdit*> unreadable_;
    bool exited_ = false;

    // Grids and check boxes commit when left; these hold uncommitted input.
    std::set<QWidget*> pending_;

    QListWidget* ListBox1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QTabWidget* PageControl2 = nullptr;
    std::array<QWidget*, 9> TabSheet{};       // 1..8
    std::array<bool, 9> builtPages_{};        // the pages built when first shown: 3, 4, 8
};

} // namespace wingsmith
