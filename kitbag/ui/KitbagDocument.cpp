// SPDX-License-Identifier: GPL-3.0-or-later
#include "kitbag/ui/KitbagDocument.h"

#include "mods/core/BackupRestore.h"
#include "mods/core/InstalledMods.h"
#include "mods/core/ModError.h"
#include "mods/core/ModFile.h"
#include "mods/core/ModOperations.h"
#include "mods/core/UtcNow.h"

#include "common/ui/CoreText.h"
#include "common/core/AtomicWrite.h"
#include "common/core/FileActions.h"
#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/core/RunBackups.h"

#include <algorithm>
#include <exception>

namespace kitbag {

namespace fs = std::filesystem;

namespace {

bool isModFile(const fs::path& file)
{
    return common::lowerCase(file.extension().string()) == ".vmod";
}

// The .vmod files directly in `folder`, by name.
std::vector<fs::path> modFilesIn(const fs::path& folder)
{
    std::vector<fs::path> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (isModFile(it->path()) && it->is_regular_file(ec))
            out.push_back(it->path());
    std::sort(out.begin(), out.end());
    return out;
}

AvailableMod readModFile(const fs::path& file)
{
    AvailableMod out{.file = file};
    try {
        out.mod = mods::readModFile(file);
    } catch (const std::exception& e) {
        out.error = common::failureMessage(e).toStdString();
    }
    return out;
}

} // namespace

KitbagDocument::KitbagDocument(QObject* parent) : QObject(parent)
{
}

void KitbagDocument::setGameFolder(const fs::path& game)
{
    game_ = game;
    common::RunBackups::setGameFolder(game);
    reload();
}

fs::path KitbagDocument::modsFolder() const
{
    return mods::InstalledMods::file(game_).parent_path();
}

void KitbagDocument::addModFolder(const fs::path& folder)
{
    addModFolders({folder});
}

void KitbagDocument::addModFolders(const std::vector<fs::path>& folders)
{
    for (const fs::path& folder : folders)
        if (std::find(folders_.begin(), folders_.end(), folder) == folders_.end())
            folders_.push_back(folder);
    reload();
}

void KitbagDocument::forgetModFolders()
{
    folders_.clear();
    reload();
}

void KitbagDocument::reload()
{
    installed_.clear();
    installedError_.clear();
    available_.clear();
    if (!game_.empty()) {
        try {
            installed_ = mods::installedMods(game_);
        } catch (const std::exception& e) {
            installedError_ = common::failureMessage(e).toStdString();
        }
    }
    std::vector<fs::path> searched;
    if (!game_.empty())
        searched.push_back(modsFolder());
    searched.insert(searched.end(), folders_.begin(), folders_.end());
    std::vector<fs::path> seen;
    for (const fs::path& folder : searched) {
        for (const fs::path& file : modFilesIn(folder)) {
            std::error_code ec;
            const fs::path real = fs::weakly_canonical(file, ec);
            if (std::find(seen.begin(), seen.end(), real) != seen.end())
                continue;
            seen.push_back(real);
            available_.push_back(readModFile(file));
        }
    }
    emit changed();
}

std::vector<mods::ChangeCheck> KitbagDocument::checkChanges(const mods::Mod& mod) const
{
    return mods::checkMod(mod, game_);
}

std::vector<mods::FieldConflict> KitbagDocument::conflictsAmong(const std::vector<mods::Mod>& mods) const
{
    return mods::modConflicts(mods, game_);
}

mods::InstallOutcome KitbagDocument::installFrom(const AvailableMod& file, bool over)
{
    if (!file.mod)
        throw mods::ModError(file.error);
    mods::InstallOutcome out;
    try {
        out = mods::installMod(
            *file.mod, game_, {.over = over, .source = file.file.filename().string(), .when = mods::utcNow(true)});
    } catch (...) {
        reload();
        throw;
    }
    reload();
    return out;
}

mods::RemoveOutcome KitbagDocument::removeInstalled(const std::string& name)
{
    mods::RemoveOutcome out;
    try {
        out = mods::removeMod(name, game_, false);
    } catch (...) {
        reload();
        throw;
    }
    reload();
    return out;
}

std::vector<fs::path> KitbagDocument::backupFolders() const
{
    return mods::backupFolders(game_);
}

std::vector<fs::path> KitbagDocument::backedUpFiles(const fs::path& backup)
{
    std::vector<fs::path> out;
    for (const auto& f : mods::backedUpFiles(backup))
        out.emplace_back(f);
    return out;
}

std::vector<fs::path> KitbagDocument::restoreBackup(const fs::path& backup)
{
    mods::RestoreOutcome out;
    try {
        out = mods::restoreBackup(game_, backup, false);
    } catch (...) {
        reload();
        throw;
    }
    reload();
    std::vector<fs::path> restored;
    for (const auto& f : out.files)
        restored.emplace_back(f);
    return restored;
}

fs::path KitbagDocument::madeModFile(const std::string& name) const
{
    return modsFolder() / (name + ".vmod");
}

mods::MadeMod KitbagDocument::makeFromBackup(
    const fs::path& backup, const std::string& name, const std::string& version)
{
    mods::Mod manifest;
    manifest.name = name;
    manifest.version = version;
    manifest.made = mods::utcNow(false);
    mods::MadeMod made = mods::makeMod(
        mods::sourcesBeforeBackup(game_, backup), mods::installationSources(game_), std::move(manifest), game_);
    const std::string text = mods::modText(made.mod);
    // What a reader of the file would refuse (a name with a slash, a
    // version that is not one) is refused before it is written.
    (void)mods::readMod(text, name + ".vmod");
    std::error_code ec;
    fs::create_directories(modsFolder(), ec);
    if (ec)
        throw common::IoError::fromErrno(ec.value(), modsFolder());
    common::writeFileAtomically(madeModFile(name), text);
    reload();
    return made;
}

fs::path KitbagDocument::droppedModTarget(const fs::path& file) const
{
    return modsFolder() / file.filename();
}

fs::path KitbagDocument::addModFile(const fs::path& file)
{
    const fs::path target = droppedModTarget(file);
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (ec)
        throw common::IoError::fromErrno(ec.value(), target.parent_path());
    common::copyFileWhole(file, target);
    reload();
    return target;
}

} // namespace kitbag
