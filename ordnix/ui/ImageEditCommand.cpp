// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageEditCommand.h"

#include "ordnix/core/LoadoutFieldPositions.h"
#include "ordnix/core/LoadoutLayout.h"

#include <utility>

namespace ordnix {

ImageEditCommand::ImageEditCommand(LoadoutImage& image, const QString& text, std::size_t first, std::size_t last,
    Edit edit, LoadoutChange shown, int recordBefore, Told told, std::exception_ptr& failure)
    : QUndoCommand(text)
    , image_(image)
    , first_(first)
    , last_(last)
    , edit_(std::move(edit))
    , shown_(std::move(shown))
    , recordBefore_(recordBefore)
    , told_(std::move(told))
    , failure_(&failure)
{
    shown_.first = first;
    shown_.last = last;
}

void ImageEditCommand::redo()
{
    if (after_) {
        after_->restore(image_);
        tell(LoadoutChange::Source::Redo, shown_.record);
        return;
    }
    before_.emplace(image_, first_, last_);
    try {
        edit_(image_);
    } catch (...) {
        // Exceptions must not pass through the stack: the document rethrows.
        before_->restore(image_);
        *failure_ = std::current_exception();
        failure_ = nullptr;
        setObsolete(true);
        return;
    }
    failure_ = nullptr;
    after_.emplace(image_, first_, last_);
    const std::vector<std::size_t> positions = before_->changedPositions(*after_);
    if (positions.empty()) {
        // No step, but the views still go where the edit leads (a block
        // moved over identical ones selects the row behind it).
        setObsolete(true);
        tell(LoadoutChange::Source::Edit, shown_.record);
        return;
    }
    edit_ = nullptr; // done: from now on the kept values are put back
    for (std::size_t position : positions) {
        if (position >= kFirstRecordPosition && position <= kRecordsEnd) {
            const std::size_t record = (position - kFirstRecordPosition) / kRecordSize;
            if (shown_.records.empty() || shown_.records.back() != record)
                shown_.records.push_back(record);
        }
        if (auto field = FieldAt(position))
            shown_.fields.push_back(std::move(*field));
    }
    tell(LoadoutChange::Source::Edit, shown_.record);
}

void ImageEditCommand::undo()
{
    before_->restore(image_);
    tell(LoadoutChange::Source::Undo, recordBefore_);
}

void ImageEditCommand::tell(LoadoutChange::Source source, int record) const
{
    LoadoutChange change = shown_;
    change.source = source;
    change.record = record;
    told_(change);
}

} // namespace ordnix
