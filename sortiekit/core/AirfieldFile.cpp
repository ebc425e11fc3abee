// SPDX-License-Identifier: GPL-3.0-or-later
#include "AirfieldFile.h"

#include "BaseSlot.h"
#include "SortiekitError.h"

#include "common/core/FileActions.h"
#include "common/core/AtomicWrite.h"
#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/core/TextLines.h"
#include "common/core/PathText.h"

#include <cerrno>
#include <string>
#include <system_error>

namespace sortiekit {

namespace fs = std::filesystem;

namespace {

// A read-only file is the modder's way of protecting it.
void refuseIfReadOnly(const fs::path& file)
{
    std::error_code ec;
    const auto status = fs::status(file, ec);
    if (!ec && fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none)
        throw common::IoError(common::IoFailure::AccessDenied, EACCES, file);
}

// A folder standing where the file should be is never replaced or removed.
void refuseIfFolder(const fs::path& file)
{
    std::error_code ec;
    if (fs::is_directory(file, ec))
        throw common::IoError(common::IoFailure::AccessDenied, EISDIR, file);
}

} // namespace

std::vector<std::uint8_t> AirfieldFile::withBases(std::vector<std::uint8_t> image, const std::array<int, 4>& numbers)
{
    if (image.size() < kMinimumSize) {
        throw SortiekitError("airfield.bak holds " + std::to_string(image.size()) + " bytes, fewer than the "
            + std::to_string(kMinimumSize) + " of " + std::to_string(kRecordCount) + " airfields.");
    }
    for (int number : numbers) {
        if (number < 0 || number >= static_cast<int>(kRecordCount))
            throw SortiekitError("There is no airfield number " + std::to_string(number) + " in airfield.bak.");
    }

    for (std::size_t k = 0; k < kRecordCount; ++k) {
        const std::size_t r = kHeaderSize + kRecordSize * k;
        for (std::size_t j = 0; j < 8; ++j)
            image[r + j] = 0xFF;
    }
    // Slot by slot, so a later slot overwrites an airfield chosen earlier;
    // each 16-bit pair is followed by a zero byte, which leaves byte 8 at 0.
    for (std::size_t s = 0; s < numbers.size(); ++s) {
        const std::size_t r = kHeaderSize + kRecordSize * static_cast<std::size_t>(numbers[s]);
        for (std::size_t j = 0; j < 8; j += 2) {
            image[r + j] = kBaseSlots[s].value;
            image[r + j + 1] = 0;
            image[r + j + 2] = 0;
        }
    }
    return image;
}

void AirfieldFile::saveSelection(const fs::path& folder, const std::array<int, 4>& numbers)
{
    const auto master = common::findNoCase(folder, "airfield.bak");
    if (!master) {
        throw SortiekitError("airfield.bak was not found in " + common::utf8FromPath(folder)
            + "; it is the master copy airfield.dat is made from.");
    }
    std::string bytes;
    try {
        bytes = common::readFileBytes(*master);
    } catch (const common::IoError& e) {
        throw e.about(*master);
    }
    const auto image = withBases(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), numbers);
    const fs::path target = common::resolveNoCase(folder, "airfield.dat");
    refuseIfFolder(target);
    refuseIfReadOnly(target);
    try {
        common::writeFileAtomically(target, image);
    } catch (const common::IoError& e) {
        throw e.about(target);
    }
}

bool AirfieldFile::restoreStandard(const fs::path& folder)
{
    const auto target = common::findNoCase(folder, "airfield.dat");
    if (!target)
        return false;
    refuseIfFolder(*target);
    refuseIfReadOnly(*target);
    try {
        common::removeFile(*target);
    } catch (const common::IoError& e) {
        throw e.about(*target);
    }
    return true;
}

} // namespace sortiekit
