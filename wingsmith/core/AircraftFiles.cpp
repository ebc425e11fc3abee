// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftFiles.h"

#include "AircraftValues.h"
#include "FltRecord.h"
#include "GamePaths.h"

#include "common/core/BinaryFile.h"
#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/core/LittleEndian.h"
#include "common/core/PathText.h"

#include <charconv>
#include <system_error>

namespace wingsmith {

using common::BinaryFile;
using common::IoError;
using common::IoFailure;

namespace {

// The last byte any field of a record reads, so shorter files are refused
// before a field is looked at.
constexpr std::size_t kRecordInterpretedEnd = FltRecord::kCollisionEngineHitPoints + 4;
constexpr std::size_t kGunTableRowsEnd = GunTableRow::kSize * kAircraftCount;

std::vector<std::uint8_t> readPart(const std::filesystem::path& path, std::uint64_t pos, std::size_t count)
{
    try {
        BinaryFile file = BinaryFile::open(path, BinaryFile::Mode::Read);
        auto bytes = file.read(pos, count);
        file.close();
        return bytes;
    } catch (const IoError& e) {
        throw e.about(path);
    }
}

std::vector<std::uint8_t> readWhole(const std::filesystem::path& path, std::size_t minimum)
{
    std::uint64_t size = 0;
    try {
        BinaryFile file = BinaryFile::open(path, BinaryFile::Mode::Read);
        size = file.size();
        file.close();
    } catch (const IoError& e) {
        throw e.about(path);
    }
    if (size < minimum)
        throw IoError(IoFailure::ReadBeyondEnd, 0, path);
    return readPart(path, 0, static_cast<std::size_t>(size));
}

// A folder (or anything else) in a file's place is refused, naming it,
// rather than taken as missing, which would read the archive instead.
bool isFile(const std::filesystem::path& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || status.type() == std::filesystem::file_type::not_found)
        return false;
    if (status.type() != std::filesystem::file_type::regular) {
        const bool folder = status.type() == std::filesystem::file_type::directory;
        throw IoError(IoFailure::AccessDenied, 0, path)
            .withSentence(
                common::utf8FromPath(path.filename()) + (folder ? " is a folder, not a file" : " is not a plain file"));
    }
    return true;
}

} // namespace

std::span<const std::uint8_t> AircraftFiles::row(int position) const
{
    return std::span<const std::uint8_t>(gunTable).subspan(GunTableRow::kSize * static_cast<std::size_t>(position),
        GunTableRow::kSize);
}

std::span<const std::uint8_t> AircraftFiles::record(int position) const
{
    return records[static_cast<std::size_t>(position)];
}

int AircraftFiles::groupCount(int position) const
{
    return usableGroupCount(common::le::getI16(row(position), GunTableRow::kGroupCount));
}

AircraftFiles readAircraftFiles(const std::string& resourcePath)
{
    std::error_code ec;
    const std::filesystem::path folder = common::pathFromUtf8(resourcePath);
    if (!std::filesystem::is_directory(folder, ec))
        throw IoError(IoFailure::FileNotFound, 0, folder);

    AircraftFiles files;
    files.resourcePath = resourcePath;
    files.gunTablePath = gameFile(resourcePath, kPlanesDatName);
    if (isFile(files.gunTablePath)) {
        files.gunTable = readWhole(files.gunTablePath, kGunTableRowsEnd);
    } else {
        const auto dataCdf = gameFile(resourcePath, kDataCdfName);
        // Neither the loose file nor its archive: say both, not only the
        // archive's lower-case lookup name.
        if (!isFile(dataCdf) && !std::filesystem::exists(dataCdf, ec))
            throw IoError(IoFailure::FileNotFound, 0, files.gunTablePath)
                .withSentence("planes.dat: File not found (no loose file, and no DATA.CDF to take it from)");
        files.gunTable = readPart(dataCdf, kDataCdfGunTable, kGunTableSize);
        files.gunTableFromArchive = true;
    }

    const auto fltCdf = gameFile(resourcePath, kFltCdfName);
    for (int i = 0; i < kAircraftCount; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        const RosterRow& row = rosterByPosition(i);
        files.recordPaths[idx] = gameFile(resourcePath, row.fltName);
        if (isFile(files.recordPaths[idx])) {
            files.records[idx] = readWhole(files.recordPaths[idx], kRecordInterpretedEnd);
        } else if (isFile(fltCdf)) {
            files.records[idx] = readPart(fltCdf,
                kFltCdfRecords + FltRecord::kSize * static_cast<std::uint64_t>(row.archiveIndex), FltRecord::kSize);
            files.recordFromArchive[idx] = true;
        } else {
            throw IoError(IoFailure::FileNotFound, 0, files.recordPaths[idx])
                .withSentence(
                    std::string(row.fltName) + ": File not found (no loose file, and no FLT.CDF to take it from)");
        }
    }
    return files;
}

std::optional<ArchivedFile> archivedLooseFile(const std::string& resourcePath, std::string_view fileName)
{
    try {
        if (common::equalsNoCase(fileName, kPlanesDatName)) {
            const auto dataCdf = gameFile(resourcePath, kDataCdfName);
            if (isFile(dataCdf))
                return ArchivedFile{std::string(kPlanesDatName), readPart(dataCdf, kDataCdfGunTable, kGunTableSize)};
            return std::nullopt;
        }
        for (int i = 0; i < kAircraftCount; ++i) {
            const RosterRow& row = rosterByPosition(i);
            const auto fltCdf = gameFile(resourcePath, kFltCdfName);
            if (common::equalsNoCase(fileName, row.fltName) && isFile(fltCdf))
                return ArchivedFile{std::string(row.fltName),
                    readPart(fltCdf, kFltCdfRecords + FltRecord::kSize * static_cast<std::uint64_t>(row.archiveIndex),
                        FltRecord::kSize)};
        }
    } catch (const IoError&) {
        // An archive too short to hold it.
    }
    return std::nullopt;
}

bool fieldInUse(const RecordField& field, int groupCount)
{
    return field.gunGroup == 0 || field.gunGroup <= groupCount;
}

int aircraftPosition(std::string_view name)
{
    int number = -1;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (!name.empty() && ec == std::errc() && end == name.data() + name.size())
        return number >= 0 && number < kAircraftCount ? number : -1;
    for (int i = 0; i < kAircraftCount; ++i) {
        const RosterRow& row = rosterByPosition(i);
        const std::string_view stem = row.fltName.substr(0, row.fltName.size() - 4);
        if (common::equalsNoCase(name, row.caption) || common::equalsNoCase(name, row.fltName)
            || common::equalsNoCase(name, stem))
            return i;
    }
    return -1;
}

} // namespace wingsmith
