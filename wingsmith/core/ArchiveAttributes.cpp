// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveAttributes.h"

#include "common/core/FileActions.h"
#include "common/core/IoError.h"

#include "GamePaths.h"

#include <system_error>

namespace wingsmith {

namespace fs = std::filesystem;

namespace {

std::optional<fs::perms> permissionsOf(const fs::path& file)
{
    std::error_code ec;
    const auto status = fs::status(file, ec);
    if (ec || !fs::is_regular_file(status))
        return std::nullopt;
    return status.permissions();
}

} // namespace

void ArchiveAttributes::rememberAndMakeWritable(const std::string& resourcePath)
{
    data_.reset();
    flt_.reset();
    const fs::path dataFile = gameFile(resourcePath, kDataCdfName);
    const fs::path fltFile = gameFile(resourcePath, kFltCdfName);
    if (auto p = permissionsOf(dataFile))
        data_ = Remembered{dataFile, *p};
    if (auto p = permissionsOf(fltFile))
        flt_ = Remembered{fltFile, *p};
    for (const auto* r : {&data_, &flt_}) {
        // A failure here shows later, as the refusal of the write itself.
        if (*r) {
            try {
                common::changePermissions((*r)->file, (*r)->perms | fs::perms::owner_write);
            } catch (const common::IoError&) {
            }
        }
    }
}

void ArchiveAttributes::restore() const
{
    for (const auto* r : {&data_, &flt_}) {
        if (*r) {
            try {
                common::changePermissions((*r)->file, (*r)->perms);
            } catch (const common::IoError&) {
            }
        }
    }
}

} // namespace wingsmith
