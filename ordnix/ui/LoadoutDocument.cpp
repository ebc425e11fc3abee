// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutDocument.h"

#include "ordnix/core/ChangeScript.h"
#include "ordnix/core/LoadoutError.h"
#include "ordnix/core/LoadoutLayout.h"
#include "ordnix/core/LoadoutRecord.h"
#include "ordnix/core/RecordBlocks.h"

#include <QUndoStack>

#include <exception>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace ordnix {

namespace fs = std::filesystem;

LoadoutDocument::LoadoutDocument(fs::path folder, QObject* parent)
    : QObject(parent)
    , folder_(std::move(folder))
    , undoStack_(new QUndoStack(this))
{
    connect(undoStack_, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

fs::path LoadoutDocument::loadedFile() const
{
    const fs::path& name = image_.fileName();
    if (name.empty())
        return {};
    return name.is_absolute() ? name : folder_ / name;
}

fs::path LoadoutDocument::saveTarget(bool replace) const
{
    return SaveFileName(folder_, replace, image_.fileName());
}

bool LoadoutDocument::isModified() const
{
    return !undoStack_->isClean();
}

void LoadoutDocument::load(const fs::path& file, const LoadProgress& progress)
{
    LoadoutImage loaded = LoadFile(folder_, file.string(), progress);
    emit aboutToReplaceImage();
    undoStack_->clear(); // its steps belong to the image replaced
    image_ = std::move(loaded);
    savedFile_.clear();
    loadedStamp_ = common::FileStamp::read(loadedFile());
    LoadoutChange change;
    change.source = LoadoutChange::Source::Load;
    change.first = 1;
    change.last = image_.size();
    emit changed(change);
}

bool LoadoutDocument::saveOverwritesOthersChange(bool replace) const
{
    if (!isLoaded())
        return false;
    fs::path target;
    try {
        target = saveTarget(replace);
    } catch (const LoadoutError&) {
        return false; // the save itself says why it cannot be made
    }
    if (target.is_relative())
        target = folder_ / target;
    const fs::path loaded = loadedFile();
    std::error_code error;
    const bool same = fs::equivalent(target, loaded, error) || target.lexically_normal() == loaded.lexically_normal();
    return same && loadedStamp_.changedOnDisk(loaded);
}

fs::path LoadoutDocument::save(bool replace)
{
    if (!isLoaded())
        throw LoadoutError("No loadout file is loaded.");
    const fs::path saved = SaveImage(image_, folder_, replace);
    savedFile_ = saved;
    undoStack_->setClean();
    loadedStamp_ = common::FileStamp::read(loadedFile());
    return saved;
}

void LoadoutDocument::writeScript(const fs::path& file) const
{
    WriteScript(image_, file);
}

bool LoadoutDocument::edit(const QString& text, std::size_t first, std::size_t last, ImageEditCommand::Edit apply,
    LoadoutChange shown, int recordBefore)
{
    std::exception_ptr failure;
    const int before = undoStack_->index();
    undoStack_->push(new ImageEditCommand(
        image_, text, first, last, std::move(apply), std::move(shown), recordBefore,
        [this](const LoadoutChange& change) { emit changed(change); }, failure));
    if (failure)
        std::rethrow_exception(failure);
    return undoStack_->index() != before;
}

bool LoadoutDocument::writeSlots(std::size_t record, const SlotFields& fields, const QString& recordName)
{
    const LoadoutRecord held = ReadRecord(image_, record);
    LoadoutRecord written = held;
    ApplySlotFields(written, fields);
    if (written == held)
        return false;
    const std::size_t first = RecordStart(record);
    LoadoutChange shown;
    shown.record = static_cast<int>(record);
    return edit(
        tr("OK on the slots of %1").arg(recordName), first, first + kRecordSize - 1,
        [record, written](LoadoutImage& image) { WriteRecord(image, record, written); }, std::move(shown),
        static_cast<int>(record));
}

bool LoadoutDocument::storeMission(const MissionOptions& edited, int mission, int record)
{
    const MissionOptions stored = StoredMission(edited);
    bool inside = image_.contains(stored.countPosition);
    bool same = inside && image_.currentText(stored.countPosition) == stored.count;
    for (std::size_t k = 0; k < stored.options.size(); ++k) {
        const std::size_t at = stored.optionPositions[k];
        inside = inside && image_.contains(at);
        same = same && inside && image_.currentText(at) == stored.options[k];
    }
    if (!inside)
        throw std::out_of_range("mission options outside the loaded file");
    if (same)
        return false;
    LoadoutChange shown;
    shown.record = record;
    shown.mission = mission;
    return edit(
        tr("Insert edited values"), stored.countPosition, stored.optionPositions.back(),
        [edited](LoadoutImage& image) { StoreMission(image, edited); }, std::move(shown), record);
}

bool LoadoutDocument::insertRecordCopy(std::size_t record)
{
    CheckInsertRecordCopy(image_, record);
    LoadoutChange shown;
    shown.recordsMoved = true;
    shown.record = static_cast<int>(record) + 1;
    return edit(
        tr("Insert a block"), RecordStart(record), kRecordsEnd,
        [record](LoadoutImage& image) { InsertRecordCopy(image, record); }, std::move(shown), static_cast<int>(record));
}

bool LoadoutDocument::deleteRecord(std::size_t record)
{
    LoadoutChange shown;
    shown.recordsMoved = true;
    // After deleting the first record its successor takes row 0.
    shown.record = record > 0 ? static_cast<int>(record) - 1 : 0;
    return edit(
        tr("Delete a block"), RecordStart(record), kRecordsEnd,
        [record](LoadoutImage& image) { DeleteRecord(image, record); }, std::move(shown), static_cast<int>(record));
}

} // namespace ordnix
