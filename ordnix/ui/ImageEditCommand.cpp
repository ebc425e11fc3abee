#include "ImageEditCommand.h"

#include <utility>

namespace ordnix {

ImageEditCommand::ImageEditCommand(LoadoutImage& image, ImageSnapshot before, ImageSnapshot after,
    const QString& text, std::function<void(bool undone)> shown)
    : QUndoCommand(text)
    , image_(image)
    , before_(std::move(before))
    , after_(std::move(after))
    , shown_(std::move(shown))
{
}

void ImageEditCommand::undo()
{
    before_.restore(image_);
    done_ = false;
    shown_(true);
}

void ImageEditCommand::redo()
{
    if (done_)
        return;
    after_.restore(image_);
    done_ = true;
    shown_(false);
}

} // namespace ordnix
