#pragma once

#include "ordnix/core/ImageSnapshot.h"
#include "ordnix/core/LoadoutImage.h"

#include <QString>
#include <QUndoCommand>

#include <functional>

namespace ordnix {

// One step of the editor's undo history: a stretch of the image before and
// after an edit or block move. Undo and redo put the stretch back and let
// the window show it; the image alone changes, never a file.
class ImageEditCommand : public QUndoCommand {
public:
    // `shown` is told after each undo (true) or redo (false). The edit has
    // already been made when the step is pushed, so the first redo is skipped.
    ImageEditCommand(LoadoutImage& image, ImageSnapshot before, ImageSnapshot after, const QString& text,
        std::function<void(bool undone)> shown);

    void undo() override;
    void redo() override;

private:
    LoadoutImage& image_;
    ImageSnapshot before_;
    ImageSnapshot after_;
    std::function<void(bool)> shown_;
    bool done_ = true;
};

} // namespace ordnix
