// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace sortiekit {

// The game's airfield file: a 24-byte header and a 44-byte record per
// airfield number. airfield.bak is its untouched master copy; airfield.dat,
// when present, overrides it with the bases chosen here.
class AirfieldFile {
public:
    static constexpr std::size_t kHeaderSize = 24;
    static constexpr std::size_t kRecordSize = 44;
    static constexpr std::size_t kRecordCount = 162;
    static constexpr std::size_t kMinimumSize = kHeaderSize + kRecordSize * kRecordCount;

    // The master copy with every airfield taken out of the base slots and
    // the four given record numbers (in slot order) put in. Throws
    // SortiekitError for a master copy too short to hold 162 records or a
    // number outside them.
    static std::vector<std::uint8_t> withBases(std::vector<std::uint8_t> master, const std::array<int, 4>& numbers);

    // Writes airfield.dat in `folder` from airfield.bak. The new file is put
    // in place whole, so a refusal or failure leaves airfield.dat as it was.
    // Throws SortiekitError or common::IoError naming the file that failed
    // (a folder in the place of either file is refused as access denied).
    static void saveSelection(const std::filesystem::path& folder, const std::array<int, 4>& numbers);

    // Removes airfield.dat so the game uses its standard bases again; false
    // if there was none. Throws common::IoError naming it (a read-only file,
    // or a folder of that name, is kept).
    static bool restoreStandard(const std::filesystem::path& folder);
};

} // namespace sortiekit
