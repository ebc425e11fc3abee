// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoadoutChange.h"

#include "ordnix/core/ImageSnapshot.h"
#include "ordnix/core/LoadoutImage.h"

#include <QString>
#include <QUndoCommand>

#include <cstddef>
#include <exception>
#include <functional>
#include <optional>

namespace ordnix {

// One step of a loadout document's history: a stretch of the image before
// and after an edit. The first redo, which push() makes, keeps the stretch,
// makes the edit and keeps the stretch again; later undos and redos put the
// kept values back. An edit that changes nothing, or fails, leaves the image
// as it was and marks the step obsolete, so the stack drops it; one that
// changes nothing is told all the same, naming no field.
class ImageEditCommand : public QUndoCommand {
public:
    using Edit = std::function<void(LoadoutImage&)>;
    using Told = std::function<void(const LoadoutChange&)>;

    // The edit touches positions first ... last only. `shown` is told back,
    // with what changed, after each undo and redo; undoing shows
    // `recordBefore` instead of shown.record. A failed edit's exception goes
    // to `failure`, which must outlive the push.
    ImageEditCommand(LoadoutImage& image, const QString& text, std::size_t first, std::size_t last, Edit edit,
        LoadoutChange shown, int recordBefore, Told told, std::exception_ptr& failure);

    void undo() override;
    void redo() override;

private:
    void tell(LoadoutChange::Source source, int record) const;

    LoadoutImage& image_;
    std::size_t first_;
    std::size_t last_;
    Edit edit_;
    LoadoutChange shown_;
    int recordBefore_;
    Told told_;
    std::exception_ptr* failure_; // only while the first redo runs
    std::optional<ImageSnapshot> before_;
    std::optional<ImageSnapshot> after_;
};

} // namespace ordnix
