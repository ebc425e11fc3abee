// SPDX-License-Identifier: GPL-3.0-or-later
#include "mods/core/BackupRestore.h"

#include "mods/core/InstalledMods.h"

#include "common/core/FileActions.h"
#include "common/core/FileLookup.h"
#include "common/core/FileTransaction.h"
#include "common/core/IoError.h"
#include "common/core/ScratchFiles.h"
#include "common/core/PathText.h"

#include <algorithm>
#include <set>

namespace mods {

namespace fs = std::filesystem;

std::vector<fs::path> backupFolders(const fs::path& game)
{
    std::vector<fs::path> out;
    const auto backups = common::findNoCase(game, "Backups");
    if (!backups)
        return out;
    std::error_code ec;
    for (fs::directory_iterator it(*backups, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec))
            out.push_back(it->path());
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::string> backedUpFiles(const fs::path& backup)
{
    std::vector<std::string> out;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(backup, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && !common::isScratchFileName(common::utf8FromPath(it->path().filename())))
            out.push_back(common::genericUtf8FromPath(fs::relative(it->path(), backup)));
    if (ec)
        throw common::IoError::fromErrno(ec.value(), backup);
    std::sort(out.begin(), out.end());
    return out;
}

RestoreOutcome restoreBackup(const fs::path& game, const fs::path& backup, bool dryRun)
{
    RestoreOutcome out;
    out.files = backedUpFiles(backup);
    std::error_code ec;

    std::set<std::string> restored;
    for (const auto& f : out.files)
        restored.insert(common::lowerCase(f));
    for (const auto& m : InstalledMods::load(game).mods) {
        bool touched = false;
        for (const auto& f : m.fields)
            touched = touched || restored.count(common::lowerCase(f.file));
        for (const auto& f : m.files)
            touched = touched || restored.count(common::lowerCase(f.file));
        if (touched)
            out.modsUndone.push_back(m.name);
    }
    if (dryRun)
        return out;

    common::FileTransaction transaction;
    for (const auto& file : out.files) {
        const fs::path target = common::resolveNoCase(game, file);
        fs::create_directories(target.parent_path(), ec);
        if (ec)
            throw common::IoError::fromErrno(ec.value(), target.parent_path());
        common::copyFileWhole(backup / common::pathFromUtf8(file), target);
    }
    transaction.commit();
    return out;
}

} // namespace mods
