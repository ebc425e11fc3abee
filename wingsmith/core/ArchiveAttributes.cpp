#include "ArchiveAttributes.h"

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
        if (*r) {
            std::error_code ec;
            fs::permissions((*r)->file, fs::perms::owner_write, fs::perm_options::add, ec);
        }
    }
}

void ArchiveAttributes::restore() const
{
    for (const auto* r : {&data_, &flt_}) {
        if (*r) {
            std::error_code ec;
            fs::permissions((*r)->file, (*r)->perms, fs::perm_options::replace, ec);
        }
    }
}

} // namespace wingsmith
