// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlightImport.h"
#include "common/core/ShownText.h"

#include "FieldText.h"
#include "FltRecord.h"
#include "SpreadsheetRounding.h"
#include "Workspace.h"

#include "common/core/AtomicWrite.h"
#include "common/core/BinaryFile.h"
#include "common/core/FileTransaction.h"
#include "common/core/IoError.h"

#include <set>

namespace wingsmith {

namespace {

struct Given {
    const RecordField* field;
    bool gunTable;
    std::string text;
};

std::string fieldError(const ImportRow& row, const std::string& field, const std::string& why)
{
    return row.where + ", field " + field + ": " + why;
}

} // namespace

std::vector<FieldChange> planFlightImport(
    const AircraftFiles& files, const std::vector<ImportRow>& rows, const AircraftCatalogue& catalogue)
{
    std::vector<FieldChange> changes;
    std::set<int> seen;
    for (const ImportRow& row : rows) {
        const int p = aircraftPosition(row.aircraft);
        if (p < 0)
            throw FlightImportError(row.where + ": no aircraft is named '" + common::shownText(row.aircraft) + "'");
        if (!seen.insert(p).second)
            throw FlightImportError(
                row.where + ": aircraft " + std::string(rosterByPosition(p).caption) + " is given twice");

        std::vector<Given> given;
        int groupCount = files.groupCount(p);
        for (const auto& [name, text] : row.values) {
            const RecordField* field = catalogue.find(RecordKind::GunTableRow, name);
            const bool gunTable = field != nullptr;
            if (!field)
                field = catalogue.find(RecordKind::FlightRecord, name);
            if (!field)
                throw FlightImportError(fieldError(row, name, "no such field"));
            if (text.empty())
                continue;
            try {
                (void)fieldBytes(text, *field);
            } catch (const FieldValueError& e) {
                throw FlightImportError(fieldError(row, name, e.what()));
            }
            if (gunTable && name == "gunGroupCount")
                groupCount = std::stoi(text);
            given.push_back({field, gunTable, text});
        }

        for (const Given& g : given) {
            if (!fieldInUse(*g.field, groupCount))
                throw FlightImportError(fieldError(row, g.field->name,
                    "gun group " + std::to_string(g.field->gunGroup) + " is beyond the group count "
                        + std::to_string(groupCount)));
            const auto image = g.gunTable ? files.row(p) : files.record(p);
            auto bytes = fieldBytes(g.text, *g.field);
            if (bytes == storedBytes(image, *g.field))
                continue;
            FieldChange change;
            change.position = p;
            change.gunTable = g.gunTable;
            change.field = g.field;
            change.before = fieldText(image, *g.field);
            RecordField atStart = *g.field;
            atStart.offset = 0;
            change.after = fieldText(bytes, atStart);
            change.bytes = std::move(bytes);
            const bool floating = g.field->type == FieldType::Float || g.field->type == FieldType::Bits;
            change.looksRounded = floating && looksSpreadsheetRounded(change.before, g.text);
            changes.push_back(std::move(change));
        }
    }
    return changes;
}

void applyFlightImport(
    const AircraftFiles& files, const std::vector<FieldChange>& changes, const AircraftCatalogue& catalogue)
{
    // Every file of the import or none, after a failure or a kill.
    common::FileTransaction operation;
    // Every file already there must take writes before the first one is
    // changed, so a write-protected loose file does not leave planes.dat
    // changed and the flight record not.
    for (const FieldChange& c : changes) {
        const auto idx = static_cast<std::size_t>(c.position);
        const bool extracted = c.gunTable ? files.gunTableFromArchive : files.recordFromArchive[idx];
        if (extracted)
            continue;
        const auto& path = c.gunTable ? files.gunTablePath : files.recordPaths[idx];
        try {
            common::BinaryFile::open(path, common::BinaryFile::Mode::ReadWrite).close();
        } catch (const common::IoError& e) {
            throw e.about(path);
        }
    }

    // The values as the changes leave them, saved by Wingsmith's own save;
    // only the aircraft a change names are written.
    std::vector<std::uint8_t> table = files.gunTable;
    auto records = files.records;
    Workspace workspace(catalogue);
    for (const FieldChange& c : changes) {
        const auto idx = static_cast<std::size_t>(c.position);
        auto& bytes = c.gunTable ? table : records[idx];
        const std::size_t at = (c.gunTable ? GunTableRow::kSize * idx : 0) + c.field->offset;
        std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
        // Marked by the change itself: a -0 over a 0 is a change here.
        (c.gunTable ? workspace.planesChanged : workspace.fltChanged)[idx] = true;
    }
    workspace.decodeGunTable(table);
    for (int i = 0; i < kAircraftCount; ++i)
        workspace.decodeFlightRecord(i, records[static_cast<std::size_t>(i)], table);

    // A file still only in its archive is extracted first, as the start-up
    // would.
    bool rowsChanged = false;
    for (int i = 0; i < kAircraftCount; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        rowsChanged = rowsChanged || workspace.planesChanged[idx];
        if (workspace.fltChanged[idx] && files.recordFromArchive[idx])
            common::writeFileAtomically(files.recordPaths[idx], files.records[idx]);
    }
    if (rowsChanged && files.gunTableFromArchive)
        common::writeFileAtomically(files.gunTablePath, files.gunTable);
    workspace.save(files.resourcePath);
    operation.commit();
}

} // namespace wingsmith
