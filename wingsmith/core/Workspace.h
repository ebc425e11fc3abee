// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AircraftCatalogue.h"
#include "AircraftValues.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace wingsmith {

// All aircraft data of one run: the working copy the window edits, the
// reference copy as last loaded or saved, the change flags, and the name of
// the flight-record file last worked on. The file operations throw
// common::IoError and stop where they failed; nothing is rolled back.
class Workspace {
public:
    // The fields it reads, writes and compares: the program's, or a test's.
    Workspace() = default;
    explicit Workspace(const AircraftCatalogue& catalogue) : catalogue_(&catalogue) {}

    const AircraftCatalogue& catalogue() const { return *catalogue_; }

    AircraftSet working{};
    AircraftSet reference{};
    std::array<bool, kAircraftCount> fltChanged{};
    std::array<bool, kAircraftCount> planesChanged{};
    std::string currentFltName;

    // Reads every gun-table row of planes.dat into both copies, then the
    // loose flight record `fltName` into both copies of its list position.
    void loadAircraft(const std::string& resourcePath, const std::string& fltName);

    // Walks the 30 directory entries of FLT.CDF, creates each missing loose
    // file from its archive record (never overwriting one), and loads it.
    void extractFltFiles(const std::string& resourcePath);

    // Sets both change flags of every aircraft afresh.
    void compareValues();
    bool anyChanged() const;

    // Writes the changed aircraft into planes.dat and their loose files,
    // then makes the working copy the reference.
    void save(const std::string& resourcePath);

    // Reads all aircraft from the two archives into the working copy.
    void importArchives(const std::string& resourcePath);

    // The decoding steps of the two calls above, on bytes already read: the
    // gun table (planes.dat, or DATA.CDF's copy of it), one aircraft's
    // flight record, and both archives as the import reads them. A field the
    // bytes do not reach throws as reading the file would.
    void decodeGunTable(std::span<const std::uint8_t> table);
    void decodeFlightRecord(int position, std::span<const std::uint8_t> record, std::span<const std::uint8_t> table);
    void decodeArchives(std::span<const std::uint8_t> gunTable, std::span<const std::uint8_t> fltArchive);

    // Writes all aircraft of the working copy into the two archives.
    void exportArchives(const std::string& resourcePath) const;

private:
    const AircraftCatalogue* catalogue_ = &AircraftCatalogue::program();

    void decodeArchiveRows(std::span<const std::uint8_t> gunTable);
    void decodeArchiveRecords(std::span<const std::uint8_t> gunTable, std::span<const std::uint8_t> fltArchive);
};

// The loose-file name of directory entry `k` of FLT.CDF, and that entry's
// record. A name that could point outside the game folder is refused.
std::string fltDirectoryName(std::span<const std::uint8_t> fltArchive, int k);
std::span<const std::uint8_t> fltArchiveRecord(std::span<const std::uint8_t> fltArchive, int k);

// Creates planes.dat from the image of the gun table inside DATA.CDF.
// Throws GunTableExtractionError, which tells whether creating planes.dat
// or reading DATA.CDF failed.
void extractGunTable(const std::string& resourcePath);

} // namespace wingsmith
