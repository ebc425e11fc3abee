// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AircraftRoster.h"
#include "RecordField.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace wingsmith {

// The aircraft of an installation as Wingsmith loads them, kept as the
// files' bytes: planes.dat and the thirty loose flight records. A file that
// has not been extracted yet is taken from its archive, as the start-up
// would extract it.
struct AircraftFiles {
    std::string resourcePath;
    std::vector<std::uint8_t> gunTable;
    std::filesystem::path gunTablePath;
    bool gunTableFromArchive = false;
    std::array<std::vector<std::uint8_t>, kAircraftCount> records;
    std::array<std::filesystem::path, kAircraftCount> recordPaths;
    std::array<bool, kAircraftCount> recordFromArchive{};

    std::span<const std::uint8_t> row(int position) const;
    std::span<const std::uint8_t> record(int position) const;
    // The aircraft's gun group count as its row holds it, made usable (0-6).
    int groupCount(int position) const;
};

// Throws common::IoError naming the file: a folder that is not there, a
// file neither loose nor in its archive, one too short for its fields.
AircraftFiles readAircraftFiles(const std::string& resourcePath);

// A loose file as the start-up extracts it from its archive, whatever the
// folder holds now: planes.dat from DATA.CDF, a flight record (by its roster
// name, in any letter case) from FLT.CDF. The name as the roster spells it,
// and the bytes; nothing for another name or an archive too short or absent.
struct ArchivedFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};
std::optional<ArchivedFile> archivedLooseFile(const std::string& resourcePath, std::string_view fileName);

// Whether a field holds data for the aircraft: gun-group fields only up to
// `groupCount`.
bool fieldInUse(const RecordField& field, int groupCount);

// The name by which a modder names an aircraft: its caption ("P-51D"), its
// file name with or without ".FLT", or its list position 0-29, in any
// letter case. -1 when none fits.
int aircraftPosition(std::string_view name);

} // namespace wingsmith
