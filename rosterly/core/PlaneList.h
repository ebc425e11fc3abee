// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace rosterly {

// The aircraft names of planes.txt: line n names aircraft code n. Only the
// first 31 lines have a place; the count of lines in the file is kept so a
// longer list can be reported.
class PlaneList {
public:
    static constexpr int kCapacity = 31;
    // Codes 0 ... 29 are aircraft a squadron may fly; anything above is
    // shown as an error.
    static constexpr int kHighestAircraft = 29;

    PlaneList() = default;
    static PlaneList fromText(std::string_view text);
    // Throws common::IoError (a missing file is "File not found").
    static PlaneList load(const std::filesystem::path& file);

    // The name of a code; empty for a code beyond the lines read.
    const std::string& name(int code) const;
    // Whether the file has a line (perhaps an empty one) for the code.
    bool covers(int code) const;
    // What the record list shows for a squadron's code: its name, or
    // "Error" for a code no squadron may fly or the file does not cover.
    std::string recordName(std::uint8_t code) const;

    int linesInFile() const { return linesInFile_; }
    bool tooLong() const { return linesInFile_ > kCapacity; }

private:
    std::array<std::string, kCapacity> names_;
    int linesInFile_ = 0;
};

} // namespace rosterly
