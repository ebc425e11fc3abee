// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/FlightFileCatalogue.h"

#include "wingsmith/core/AircraftFiles.h"
#include "wingsmith/core/AircraftRoster.h"
#include "wingsmith/core/DomainCheck.h"
#include "wingsmith/core/FieldText.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/GamePaths.h"

#include "common/core/FileLookup.h"
#include "common/core/LittleEndian.h"

#include <algorithm>
#include <memory>

namespace wingsmith {

FlightFileCatalogue::FlightFileCatalogue(const AircraftCatalogue& catalogue, std::string kind, std::string fileName,
    std::vector<Record> records, bool gunTable)
    : catalogue_(&catalogue)
    , kind_(std::move(kind))
    , fileName_(std::move(fileName))
    , records_(std::move(records))
    , gunTable_(gunTable)
{
}

std::vector<std::unique_ptr<const FlightFileCatalogue>> FlightFileCatalogue::of(const AircraftCatalogue& catalogue)
{
    std::vector<std::unique_ptr<const FlightFileCatalogue>> owned;
    std::vector<Record> rows, archived;
    for (int p = 0; p < kAircraftCount; ++p) {
        const RosterRow& roster = rosterByPosition(p);
        owned.emplace_back(new FlightFileCatalogue(
            catalogue, "flight record", common::lowerCase(std::string(roster.fltName)), {{p, 0}}, false));
        rows.push_back({p, GunTableRow::kSize * static_cast<std::uint64_t>(p)});
        archived.push_back({p, kFltCdfRecords + FltRecord::kSize * static_cast<std::uint64_t>(roster.archiveIndex)});
    }
    std::vector<Record> archivedRows = rows;
    for (Record& r : archivedRows)
        r.start += kDataCdfGunTable;
    owned.emplace_back(new FlightFileCatalogue(catalogue, "gun table", std::string(kPlanesDatName), rows, true));
    owned.emplace_back(
        new FlightFileCatalogue(catalogue, "flight record archive", std::string(kFltCdfName), archived, false));
    owned.emplace_back(
        new FlightFileCatalogue(catalogue, "gun table archive", std::string(kDataCdfName), archivedRows, true));
    return owned;
}

const std::vector<const FlightFileCatalogue*>& FlightFileCatalogue::all()
{
    static const auto owned = of(AircraftCatalogue::program());
    static const auto catalogues = [] {
        std::vector<const FlightFileCatalogue*> out;
        for (const auto& c : owned)
            out.push_back(c.get());
        return out;
    }();
    return catalogues;
}

std::vector<common::FieldPlace> FlightFileCatalogue::fields(std::span<const std::uint8_t> bytes) const
{
    std::vector<common::FieldPlace> places;
    for (const Record& r : records_) {
        // A record the file does not wholly hold has no fields here; its
        // bytes count as the game's own.
        if (r.start > bytes.size() || bytes.size() - r.start < catalogue_->interpretedEnd(record()))
            continue;
        const auto record = bytes.subspan(r.start);
        // A flight record's group count is in its gun-table row, which
        // another file holds: all its groups count as in use.
        const int groups = gunTable_ ? common::le::getI16(record, GunTableRow::kGroupCount) : kGunGroupCount;
        const std::string name(rosterByPosition(r.position).caption);
        for (const RecordField& f : recordFields())
            places.push_back({name, f.name, r.start + f.offset, fieldWidth(f.type), fieldInUse(f, groups)});
    }
    return places;
}

const std::vector<RecordField>& FlightFileCatalogue::recordFields() const
{
    return catalogue_->fields(record());
}

RecordKind FlightFileCatalogue::record() const
{
    return gunTable_ ? RecordKind::GunTableRow : RecordKind::FlightRecord;
}

std::pair<const RecordField*, std::uint64_t> FlightFileCatalogue::resolve(const common::FieldPlace& place) const
{
    const RecordField* field = catalogue_->find(record(), place.field);
    if (!field || place.offset < field->offset)
        throw common::FieldValueError("no field " + place.field + " in a " + kind_);
    return {field, place.offset - field->offset};
}

std::string FlightFileCatalogue::text(std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const
{
    const auto [field, start] = resolve(place);
    refuseBeyondEnd(bytes, place, fieldWidth(field->type));
    return fieldText(bytes.subspan(start), *field);
}

std::vector<std::uint8_t> FlightFileCatalogue::withText(
    std::span<const std::uint8_t> bytes, const common::FieldPlace& place, std::string_view text) const
{
    const auto [field, start] = resolve(place);
    const auto value = fieldBytes(text, *field);
    refuseBeyondEnd(bytes, place, value.size());
    std::vector<std::uint8_t> out(bytes.begin(), bytes.end());
    std::copy(value.begin(), value.end(), out.begin() + static_cast<std::ptrdiff_t>(place.offset));
    return out;
}

std::optional<std::string> FlightFileCatalogue::outOfDomain(
    std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const
{
    if (!place.inUse)
        return std::nullopt;
    const auto [field, start] = resolve(place);
    const auto warning = fieldOutOfDomain(*field, bytes.subspan(start));
    if (!warning)
        return std::nullopt;
    return warning->value + " is not " + warning->expected;
}

} // namespace wingsmith
