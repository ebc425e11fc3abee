// SPDX-License-Identifier: GPL-3.0-or-later
#include "Workspace.h"

#include "FieldDecoding.h"
#include "FileTooShortError.h"
#include "FlightRecordIo.h"
#include "FltRecord.h"
#include "GamePaths.h"
#include "GunTableExtractionError.h"
#include "GunTableIo.h"

#include "common/core/AtomicWrite.h"
#include "common/core/BinaryFile.h"
#include "common/core/FileTransaction.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <span>
#include <system_error>

namespace wingsmith {

using common::BinaryFile;
using common::IoError;
using common::IoFailure;

namespace {

std::uint64_t rowBase(int position)
{
    return GunTableRow::kSize * static_cast<std::uint64_t>(position);
}

std::uint64_t archiveRecordBase(int archiveIndex)
{
    return kFltCdfRecords + FltRecord::kSize * static_cast<std::uint64_t>(archiveIndex);
}

// Reads into the working copy and mirrors into the reference copy whatever
// was read, also when the read stops half-way.
template <typename Part, typename Read>
void readIntoBoth(Part& working, Part& reference, Read&& read)
{
    try {
        read(working);
    } catch (...) {
        reference = working;
        throw;
    }
    reference = working;
}

// A directory name from FLT.CDF becomes a file name in the game folder; one
// that could point anywhere else is refused.
void checkLooseFileName(const std::string& name)
{
    if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\:") != std::string::npos)
        throw IoError(IoFailure::InvalidFilename);
}

// Patching a field past the end would lengthen the file; it is refused
// before anything of the file is written.
void requireLength(BinaryFile& file, const std::filesystem::path& path, std::uint64_t needed)
{
    const std::uint64_t size = file.size();
    if (size < needed)
        throw FileTooShortError(path, size, needed);
}

bool sameFloat(float a, float b)
{
    // Compared as numbers (so 0 equals -0); an identical pattern is always
    // equal, so an untouched NaN never counts as a change.
    return a == b || std::memcmp(&a, &b, sizeof a) == 0;
}

// Every field, in use or not, as the window may have changed any.
bool fieldsDiffer(const AircraftCatalogue& catalogue, RecordKind record, const AircraftValues& w,
    const AircraftValues& r)
{
    for (const RecordField& f : catalogue.fields(record)) {
        if (f.type == FieldType::Float) {
            if (!sameFloat(w.floatValue(record, f), r.floatValue(record, f)))
                return true;
            continue;
        }
        const auto a = w.bytes(record).subspan(f.offset, fieldWidth(f.type));
        const auto b = r.bytes(record).subspan(f.offset, fieldWidth(f.type));
        if (!std::equal(a.begin(), a.end(), b.begin()))
            return true;
    }
    return false;
}

} // namespace

void extractGunTable(const std::string& resourcePath)
{
    std::vector<std::uint8_t> image;
    try {
        BinaryFile data = BinaryFile::open(gameFile(resourcePath, kDataCdfName), BinaryFile::Mode::Read);
        image = data.read(kDataCdfGunTable, kGunTableSize);
        data.close();
    } catch (const IoError& e) {
        throw GunTableExtractionError(e, false);
    }
    try {
        common::writeFileAtomically(gameFile(resourcePath, kPlanesDatName), image);
    } catch (const IoError& e) {
        throw GunTableExtractionError(e, true);
    }
}

namespace {

// The gun table as one read; every row and group count is decoded from it.
std::vector<std::uint8_t> readGunTable(const std::string& resourcePath)
{
    BinaryFile planes = BinaryFile::open(gameFile(resourcePath, kPlanesDatName), BinaryFile::Mode::Read);
    auto table = fields::readUpTo(planes, 0, kGunTableSize);
    planes.close();
    return table;
}

std::vector<std::uint8_t> readLooseRecord(const std::string& resourcePath, const std::string& fltName)
{
    BinaryFile loose = BinaryFile::open(gameFile(resourcePath, fltName), BinaryFile::Mode::Read);
    auto record = fields::readUpTo(loose, 0, FltRecord::kSize);
    loose.close();
    return record;
}

} // namespace

std::string fltDirectoryName(std::span<const std::uint8_t> fltArchive, int k)
{
    std::string name;
    for (std::uint64_t pos = kFltCdfDirectoryEntry * static_cast<std::uint64_t>(k) + kFltCdfNameOffset;; ++pos) {
        const std::uint8_t c = fields::u8(fltArchive, pos);
        if (c == 0)
            break;
        name += static_cast<char>(c);
    }
    checkLooseFileName(name);
    return name;
}

std::span<const std::uint8_t> fltArchiveRecord(std::span<const std::uint8_t> fltArchive, int k)
{
    const auto base = archiveRecordBase(k);
    fields::require(fltArchive, base, FltRecord::kSize);
    return fltArchive.subspan(static_cast<std::size_t>(base), FltRecord::kSize);
}

void Workspace::decodeGunTable(std::span<const std::uint8_t> table)
{
    for (int i = 0; i < kAircraftCount; ++i) {
        auto idx = static_cast<std::size_t>(i);
        readIntoBoth(working[idx].planes, reference[idx].planes,
            [&](PlanesValues& v) { decodeGunTableRow(*catalogue_, table, rowBase(i), v); });
    }
}

void Workspace::decodeFlightRecord(int position, std::span<const std::uint8_t> record,
    std::span<const std::uint8_t> table)
{
    const auto idx = static_cast<std::size_t>(position);
    const int groupCount = fields::i16(table, rowBase(position) + GunTableRow::kGroupCount);
    readIntoBoth(working[idx].flight, reference[idx].flight,
        [&](FlightValues& v) { wingsmith::decodeFlightRecord(*catalogue_, record, 0, groupCount, v); });
}

void Workspace::loadAircraft(const std::string& resourcePath, const std::string& fltName)
{
    const auto table = readGunTable(resourcePath);
    decodeGunTable(table);
    decodeFlightRecord(positionOfFltName(fltName), readLooseRecord(resourcePath, fltName), table);
}

void Workspace::extractFltFiles(const std::string& resourcePath)
{
    const auto fltPath = gameFile(resourcePath, kFltCdfName);
    BinaryFile flt = BinaryFile::open(fltPath, BinaryFile::Mode::Read);
    const auto archive = flt.read(0, static_cast<std::size_t>(flt.size()));
    // The gun table is read and decoded once, when the first aircraft is
    // loaded; it is the same for every aircraft.
    std::optional<std::vector<std::uint8_t>> table;
    for (int k = 0; k < kAircraftCount; ++k) {
        currentFltName.clear();
        currentFltName = fltDirectoryName(archive, k);

        std::error_code ec;
        if (!std::filesystem::exists(gameFile(resourcePath, currentFltName), ec))
            common::writeFileAtomically(gameFile(resourcePath, currentFltName), fltArchiveRecord(archive, k));
        if (!table) {
            table = readGunTable(resourcePath);
            decodeGunTable(*table);
        }
        decodeFlightRecord(positionOfFltName(currentFltName), readLooseRecord(resourcePath, currentFltName), *table);
    }
    flt.close();
}

void Workspace::compareValues()
{
    for (std::size_t i = 0; i < working.size(); ++i) {
        fltChanged[i] = fieldsDiffer(*catalogue_, RecordKind::FlightRecord, working[i], reference[i]);
        planesChanged[i] = fieldsDiffer(*catalogue_, RecordKind::GunTableRow, working[i], reference[i]);
    }
}

bool Workspace::anyChanged() const
{
    for (std::size_t i = 0; i < fltChanged.size(); ++i)
        if (fltChanged[i] || planesChanged[i])
            return true;
    return false;
}

void Workspace::save(const std::string& resourcePath)
{
    // One save is one change of the game: every file or none.
    common::FileTransaction operation;
    // planes.dat only when a row changed: the flight records alone need no
    // gun table.
    if (std::find(planesChanged.begin(), planesChanged.end(), true) != planesChanged.end()) {
        const auto planesPath = gameFile(resourcePath, kPlanesDatName);
        BinaryFile planes = BinaryFile::open(planesPath, BinaryFile::Mode::ReadWrite);
        std::uint64_t rowsEnd = 0;
        for (int i = 0; i < kAircraftCount; ++i)
            if (planesChanged[static_cast<std::size_t>(i)])
                rowsEnd
                    = std::max(rowsEnd, rowBase(i) + gunTableRowExtent(*catalogue_, working[static_cast<std::size_t>(i)].planes));
        requireLength(planes, planesPath, rowsEnd);
        for (int i = 0; i < kAircraftCount; ++i)
            if (planesChanged[static_cast<std::size_t>(i)])
                writeGunTableRow(*catalogue_, planes, rowBase(i), working[static_cast<std::size_t>(i)].planes);
        planes.close();
    }

    for (int i = 0; i < kAircraftCount; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        if (!fltChanged[idx])
            continue;
        const auto path = gameFile(resourcePath, rosterByPosition(i).fltName);
        BinaryFile loose = BinaryFile::open(path, BinaryFile::Mode::ReadWrite);
        requireLength(loose, path, catalogue_->interpretedEnd(RecordKind::FlightRecord));
        writeFlightRecord(*catalogue_, loose, 0, working[idx].flight, working[idx].planes.gunGroupCount());
        loose.close();
    }
    operation.commit();
    reference = working;
}

void Workspace::importArchives(const std::string& resourcePath)
{
    std::vector<std::uint8_t> table;
    {
        BinaryFile data = BinaryFile::open(gameFile(resourcePath, kDataCdfName), BinaryFile::Mode::Read);
        table = fields::readUpTo(data, kDataCdfGunTable, kGunTableSize);
        data.close();
    }
    // A short gun table fails before FLT.CDF is opened.
    decodeArchiveRows(table);
    BinaryFile flt = BinaryFile::open(gameFile(resourcePath, kFltCdfName), BinaryFile::Mode::Read);
    const auto archive = flt.read(0, static_cast<std::size_t>(flt.size()));
    flt.close();
    decodeArchiveRecords(table, archive);
}

void Workspace::decodeArchives(std::span<const std::uint8_t> gunTable, std::span<const std::uint8_t> fltArchive)
{
    decodeArchiveRows(gunTable);
    decodeArchiveRecords(gunTable, fltArchive);
}

void Workspace::decodeArchiveRows(std::span<const std::uint8_t> gunTable)
{
    for (int i = 0; i < kAircraftCount; ++i)
        decodeGunTableRow(*catalogue_, gunTable, rowBase(i), working[static_cast<std::size_t>(i)].planes);
}

void Workspace::decodeArchiveRecords(std::span<const std::uint8_t> gunTable, std::span<const std::uint8_t> fltArchive)
{
    for (int i = 0; i < kAircraftCount; ++i) {
        const int groupCount = fields::i16(gunTable, rowBase(i) + GunTableRow::kGroupCount);
        const auto base = archiveRecordBase(rosterByPosition(i).archiveIndex);
        wingsmith::decodeFlightRecord(*catalogue_, fields::upTo(fltArchive, base, FltRecord::kSize), 0, groupCount,
            working[static_cast<std::size_t>(i)].flight);
    }
}

void Workspace::exportArchives(const std::string& resourcePath) const
{
    // Both archives are checked before either is written, so a short one
    // leaves the two as they were.
    const auto dataPath = gameFile(resourcePath, kDataCdfName);
    const auto fltPath = gameFile(resourcePath, kFltCdfName);
    std::uint64_t rowsEnd = 0;
    std::uint64_t recordsEnd = 0;
    for (int i = 0; i < kAircraftCount; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        rowsEnd
            = std::max(rowsEnd, kDataCdfGunTable + rowBase(i) + gunTableRowExtent(*catalogue_, working[idx].planes));
        recordsEnd = std::max(recordsEnd,
            archiveRecordBase(rosterByPosition(i).archiveIndex) + catalogue_->interpretedEnd(RecordKind::FlightRecord));
    }
    common::FileTransaction operation;
    BinaryFile data = BinaryFile::open(dataPath, BinaryFile::Mode::ReadWrite);
    requireLength(data, dataPath, rowsEnd);
    {
        BinaryFile flt = BinaryFile::open(fltPath, BinaryFile::Mode::Read);
        requireLength(flt, fltPath, recordsEnd);
        flt.close();
    }

    for (int i = 0; i < kAircraftCount; ++i)
        writeGunTableRow(*catalogue_, data, kDataCdfGunTable + rowBase(i), working[static_cast<std::size_t>(i)].planes);
    data.close();
    for (int i = 0; i < kAircraftCount; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        BinaryFile flt = BinaryFile::open(fltPath, BinaryFile::Mode::ReadWrite);
        writeFlightRecord(*catalogue_, flt, archiveRecordBase(rosterByPosition(i).archiveIndex), working[idx].flight,
            working[idx].planes.gunGroupCount());
        flt.close();
    }
    operation.commit();
}

} // namespace wingsmith
