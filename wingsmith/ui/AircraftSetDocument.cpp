// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftSetDocument.h"

#include "AircraftEdit.h"

#include "wingsmith/core/GamePaths.h"

#include <QUndoStack>

#include <algorithm>
#include <filesystem>

namespace wingsmith {

AircraftSetDocument::AircraftSetDocument(QObject* parent) : AircraftSetDocument(AircraftCatalogue::program(), parent)
{
}

AircraftSetDocument::AircraftSetDocument(const AircraftCatalogue& catalogue, QObject* parent)
    : QObject(parent)
    , workspace_(catalogue)
{
    undoStack_ = new QUndoStack(this);
    connect(undoStack_, &QUndoStack::cleanChanged, this, &AircraftSetDocument::updateModified);
    connect(undoStack_, &QUndoStack::indexChanged, this, &AircraftSetDocument::updateModified);
}

const AircraftValues& AircraftSetDocument::shown() const
{
    return hasShown() ? workspace_.working[static_cast<std::size_t>(shownPosition_)] : detached_;
}

AircraftValues& AircraftSetDocument::shownValues()
{
    return hasShown() ? workspace_.working[static_cast<std::size_t>(shownPosition_)] : detached_;
}

void AircraftSetDocument::show(int position)
{
    shownPosition_ = position >= 0 && position < kAircraftCount ? position : -1;
    if (hasShown())
        workspace_.currentFltName = std::string(rosterByPosition(shownPosition_).fltName);
    emit shownChanged(shownPosition_);
}

void AircraftSetDocument::edit(
    int control, const QStringList& fields, const std::function<void(AircraftValues&)>& change)
{
    if (!hasShown()) {
        change(detached_);
        return;
    }
    const int p = shownPosition_;
    const AircraftValues before = workspace_.working[static_cast<std::size_t>(p)];
    AircraftValues after = before;
    change(after);
    // A value stored again is no step, but a view still hears of it.
    if (AircraftEdit::sameValues(before, after)) {
        emit aircraftChanged(p, fields);
        updateModified();
        return;
    }
    editing_ = &fields;
    undoStack_->push(
        new AircraftEdit(p, before, after, control, [this](int q, const AircraftValues& v) { apply(q, v); }));
    editing_ = nullptr;
}

void AircraftSetDocument::storeShown(const std::function<void(AircraftValues&)>& change)
{
    change(shownValues());
}

void AircraftSetDocument::apply(int position, const AircraftValues& values)
{
    workspace_.working[static_cast<std::size_t>(position)] = values;
    if (editing_) {
        emit aircraftChanged(position, *editing_);
        return;
    }
    // An undone step shows the aircraft it belongs to.
    if (position != shownPosition_) {
        shownPosition_ = position;
        workspace_.currentFltName = std::string(rosterByPosition(position).fltName);
        emit shownChanged(position);
    }
    emit aircraftChanged(position, {});
}

void AircraftSetDocument::undo()
{
    undoStack_->undo();
}

void AircraftSetDocument::redo()
{
    undoStack_->redo();
}

void AircraftSetDocument::updateModified()
{
    workspace_.compareValues();
    const bool modified = workspace_.anyChanged();
    modified_ = modified;
    emit modifiedChanged(modified);
}

StartUpOutcome AircraftSetDocument::startUp(const std::string& resourcePath)
{
    // A new start has nothing to undo.
    undoStack_->clear();
    show(-1);
    const StartUpOutcome outcome = startUpFiles(workspace_, attributes_, resourcePath);
    stampGameFiles(resourcePath);
    updateModified();
    return outcome;
}

std::vector<std::string> AircraftSetDocument::filesToSave() const
{
    std::vector<std::string> names;
    if (std::find(workspace_.planesChanged.begin(), workspace_.planesChanged.end(), true)
        != workspace_.planesChanged.end())
        names.emplace_back(kPlanesDatName);
    for (int i = 0; i < kAircraftCount; ++i)
        if (workspace_.fltChanged[static_cast<std::size_t>(i)])
            names.emplace_back(rosterByPosition(i).fltName);
    return names;
}

std::vector<std::string> AircraftSetDocument::filesChangedOnDisk(const std::string& resourcePath) const
{
    std::vector<std::string> names;
    if (stamps_.size() != static_cast<std::size_t>(kAircraftCount) + 1)
        return names;
    // A file gone is left to the save, which names it.
    const auto check = [&](std::size_t stamp, std::string_view name) {
        const auto path = gameFile(resourcePath, name);
        std::error_code error;
        if (std::filesystem::exists(path, error) && stamps_[stamp].changedOnDisk(path))
            names.emplace_back(name);
    };
    if (std::find(workspace_.planesChanged.begin(), workspace_.planesChanged.end(), true)
        != workspace_.planesChanged.end())
        check(0, kPlanesDatName);
    for (int i = 0; i < kAircraftCount; ++i)
        if (workspace_.fltChanged[static_cast<std::size_t>(i)])
            check(static_cast<std::size_t>(i) + 1, rosterByPosition(i).fltName);
    return names;
}

void AircraftSetDocument::save(const std::string& resourcePath)
{
    workspace_.save(resourcePath);
    stampGameFiles(resourcePath);
    undoStack_->setClean();
    updateModified();
}

void AircraftSetDocument::importArchives(const std::string& resourcePath)
{
    workspace_.importArchives(resourcePath);
    // The steps before referred to values the import replaced.
    undoStack_->clear();
}

void AircraftSetDocument::exportArchives(const std::string& resourcePath) const
{
    workspace_.exportArchives(resourcePath);
}

void AircraftSetDocument::stampGameFiles(const std::string& resourcePath)
{
    stamps_.clear();
    if (resourcePath.empty())
        return;
    stamps_.push_back(common::FileStamp::read(gameFile(resourcePath, kPlanesDatName)));
    for (int i = 0; i < kAircraftCount; ++i)
        stamps_.push_back(common::FileStamp::read(gameFile(resourcePath, rosterByPosition(i).fltName)));
}

} // namespace wingsmith
