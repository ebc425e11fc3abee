// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace rosterly {

// A write that the squadron file cannot take; what() is the user text.
class SquadronError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A squadron file: a 6-byte header, then records 124 bytes apart whose
// first byte is the squadron's aircraft code. Only that byte is ever read
// or written; every other byte stays as the game wrote it.
class SquadronFile {
public:
    static constexpr std::uint64_t kHeaderSize = 6;
    static constexpr std::uint64_t kRecordSize = 124;

    static std::uint64_t codeOffset(int record)
    {
        return kHeaderSize + kRecordSize * static_cast<std::uint64_t>(record);
    }
    // The 1-based position the window shows for a record.
    static std::uint64_t codePosition(int record) { return codeOffset(record) + 1; }

    // A record counts while at least one byte follows its code, so a file
    // cut inside a record code never shows a half record.
    static int recordCount(std::uint64_t fileSize);

    // The aircraft codes of all records. Throws common::IoError.
    static std::vector<std::uint8_t> readCodes(const std::filesystem::path& file);

    // Writes one record's code in place. Only a record recordCount() counts
    // can be written, so the file is never extended and a write never lands
    // on a record the list does not show: another throws SquadronError and
    // leaves the file as it was. Throws common::IoError for failed file access.
    static void writeCode(const std::filesystem::path& file, int record, std::uint8_t code);
};

} // namespace rosterly
