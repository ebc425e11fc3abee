// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageEditCommand.h"
#include "LoadoutChange.h"

#include "ordnix/core/LoadoutFile.h"
#include "ordnix/core/LoadoutImage.h"
#include "ordnix/core/MissionOptions.h"
#include "ordnix/core/SlotFields.h"

#include "common/core/FileStamp.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <filesystem>

class QUndoStack;

namespace ordnix {

// A loaded loadout.dat as the editor works on it: the byte image, the file
// it came from and the last one saved, the undo history and whether the
// image differs from what the last load or save left. Every edit is one
// undo step, made by the step itself; `changed` says what each load, edit,
// undo and redo changed. Failures come back as the core's LoadoutError or
// common::IoError, never as a dialog.
class LoadoutDocument : public QObject {
    Q_OBJECT

public:
    // `folder` is the game folder: relative names are taken there, and
    // saves go there.
    explicit LoadoutDocument(std::filesystem::path folder, QObject* parent = nullptr);

    const std::filesystem::path& folder() const { return folder_; }
    const LoadoutImage& image() const { return image_; }
    bool isLoaded() const { return !image_.empty(); }
    // The file loaded, as a full name; empty before a load.
    std::filesystem::path loadedFile() const;
    // The file the last save wrote; empty before one since the load.
    const std::filesystem::path& savedFile() const { return savedFile_; }
    // Where save(replace) writes; throws LoadoutError when no name is free.
    std::filesystem::path saveTarget(bool replace) const;

    QUndoStack* undoStack() const { return undoStack_; }
    // Whether the image differs from what the last load or save left, as
    // the undo history tells it.
    bool isModified() const;

    // Reads `file` (relative: in the folder) as the image, with a new
    // history. A file refused or unreadable throws and leaves the document
    // as it was.
    void load(const std::filesystem::path& file, const LoadProgress& progress = {});
    // Whether save(replace) would write over the file loaded while another
    // program has changed it since it was read.
    bool saveOverwritesOthersChange(bool replace) const;
    // Writes the current values through the file layer to saveTarget(replace),
    // marks the history saved and returns the file written.
    std::filesystem::path save(bool replace);
    // The changes since loading as a loadout script, under exactly `file`.
    void writeScript(const std::filesystem::path& file) const;

    // Edits, each one undo step; false when it would change nothing, and
    // then no step is made. `recordName` names the step.
    bool writeSlots(std::size_t record, const SlotFields& fields, const QString& recordName);
    // The options as typed, of mission kind `mission` of the aircraft of
    // `record` (shown again on undo, -1 for none). Throws std::out_of_range,
    // storing nothing, when they lie beyond the image.
    bool storeMission(const MissionOptions& edited, int mission, int record);
    // Throws LoadoutError for the last record, which has no room behind it.
    bool insertRecordCopy(std::size_t record);
    bool deleteRecord(std::size_t record);

signals:
    // A load has read its file and is about to replace the image: views
    // holding the image let go of it until `changed` tells of the new one.
    void aboutToReplaceImage();
    void changed(const LoadoutChange& change);
    void modifiedChanged(bool modified);

private:
    // Pushes the step that makes `apply`, touching first ... last only.
    bool edit(const QString& text, std::size_t first, std::size_t last, ImageEditCommand::Edit apply,
        LoadoutChange shown, int recordBefore);

    std::filesystem::path folder_;
    LoadoutImage image_;
    std::filesystem::path savedFile_;
    // The loaded file as read, to tell another program's change at save.
    common::FileStamp loadedStamp_;
    QUndoStack* undoStack_ = nullptr;
};

} // namespace ordnix
