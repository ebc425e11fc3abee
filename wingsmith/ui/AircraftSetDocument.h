// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wingsmith/core/ArchiveAttributes.h"
#include "wingsmith/core/StartUpFiles.h"
#include "wingsmith/core/Workspace.h"

#include "common/core/FileStamp.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QUndoStack;

namespace wingsmith {

// The thirty aircraft of one run as the window edits them: the workspace,
// the undo steps over it, which aircraft is shown and whether anything
// differs from the files. It shows no dialog: file failures come back as
// common::IoError or as the start-up's messages.
class AircraftSetDocument : public QObject {
    Q_OBJECT

public:
    explicit AircraftSetDocument(QObject* parent = nullptr);
    // Reads, writes and compares the fields of `catalogue`, which must
    // outlive it.
    AircraftSetDocument(const AircraftCatalogue& catalogue, QObject* parent);

    const Workspace& workspace() const { return workspace_; }
    Workspace& workspace() { return workspace_; }
    QUndoStack* undoStack() const { return undoStack_; }

    // The list position edits go into; -1 while no aircraft is shown.
    int shownPosition() const { return shownPosition_; }
    bool hasShown() const { return shownPosition_ >= 0 && shownPosition_ < kAircraftCount; }
    // The values of the aircraft shown, or a scratch set that is never
    // saved while none is.
    const AircraftValues& shown() const;
    void show(int position);

    // Makes `change` to the aircraft shown one undo step, when it changes
    // anything. `control` > 0 lets the steps of one text field merge, as
    // AircraftEdit says; `fields` names what the change touches.
    void edit(int control, const QStringList& fields, const std::function<void(AircraftValues&)>& change);
    // A value the view reads back while it shows an aircraft: stored, but
    // no step of its own.
    void storeShown(const std::function<void(AircraftValues&)>& change);
    void undo();
    void redo();

    // Whether any aircraft differs from what was loaded or saved; compares
    // afresh.
    bool isModified() const { return modified_; }
    void updateModified();

    // The files' operations, named by what the user asked for.
    StartUpOutcome startUp(const std::string& resourcePath);
    // What a save writes: planes.dat first when any gun-table part changed,
    // then each changed aircraft's loose file. Valid after updateModified.
    std::vector<std::string> filesToSave() const;
    // Which of filesToSave() another program changed since they were read.
    std::vector<std::string> filesChangedOnDisk(const std::string& resourcePath) const;
    void save(const std::string& resourcePath);
    void importArchives(const std::string& resourcePath);
    void exportArchives(const std::string& resourcePath) const;
    void restoreAttributes() const { attributes_.restore(); }

signals:
    // `fields` empty: any value of the aircraft may have changed (a load,
    // an undo); otherwise the fields an edit stored.
    void aircraftChanged(int position, const QStringList& fields);
    void shownChanged(int position);
    void modifiedChanged(bool modified);

private:
    AircraftValues& shownValues();
    void apply(int position, const AircraftValues& values);
    void stampGameFiles(const std::string& resourcePath);

    Workspace workspace_;
    ArchiveAttributes attributes_;
    // planes.dat, then each aircraft's loose file in list order.
    std::vector<common::FileStamp> stamps_;
    QUndoStack* undoStack_ = nullptr;
    int shownPosition_ = -1;
    AircraftValues detached_{};
    bool modified_ = false;
    // The fields of the edit being pushed, for its first redo.
    const QStringList* editing_ = nullptr;
};

} // namespace wingsmith
