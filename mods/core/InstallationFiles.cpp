// SPDX-License-Identifier: GPL-3.0-or-later
#include "mods/core/InstallationFiles.h"

#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/core/ScratchFiles.h"
#include "common/core/TextLines.h"
#include "common/core/PathText.h"

namespace mods {

namespace fs = std::filesystem;

namespace {

// Backups/ holds copies and Mods/ the mods and their record: the tools'
// own, not the installation.
bool isToolFolder(const std::string& name)
{
    const std::string lower = common::lowerCase(name);
    return lower == "backups" || lower == "mods";
}

} // namespace

std::map<std::string, std::string> listInstallationFiles(const fs::path& root)
{
    std::map<std::string, std::string> files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (it.depth() == 0 && it->is_directory(ec) && isToolFolder(common::utf8FromPath(it->path().filename()))) {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file(ec) && !common::isScratchFileName(common::utf8FromPath(it->path().filename())))
            files.emplace(common::lowerCase(common::genericUtf8FromPath(fs::relative(it->path(), root))),
                common::genericUtf8FromPath(fs::relative(it->path(), root)));
    }
    if (ec)
        throw common::IoError::fromErrno(ec.value(), root);
    return files;
}

std::vector<std::uint8_t> readBytes(const fs::path& path)
{
    const std::string text = common::readFileBytes(path);
    return {text.begin(), text.end()};
}

} // namespace mods
