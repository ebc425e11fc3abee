// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mods/core/Mod.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace mods {

// The files of an installation: relative path in lower case -> where its
// bytes are (the installation's own file, or a backup's copy of it).
using InstallationSources = std::map<std::string, std::pair<std::string, std::filesystem::path>>;

// The installation's files, as listInstallationFiles finds them.
InstallationSources installationSources(const std::filesystem::path& root);
// The installation as it was before a run: the backed-up originals from
// the run's folder (Backups/PROGRAM-...) in place of the files it changed.
InstallationSources sourcesBeforeBackup(const std::filesystem::path& root, const std::filesystem::path& backup);

struct MadeMod {
    Mod mod;
    // Files BASE has and MODDED lacks: a mod does not remove files.
    std::vector<std::string> notCarried;
};

// The changes that turn BASE into MODDED: each catalogued file as its
// fields, unless bytes no field covers differ too (then whole, like every
// file no catalogue knows); files only MODDED has go whole as new ones.
// A loose file the tools extract from an archive of BASE (`baseRoot`) is
// compared with that image. `manifest` gives the name, version and the rest.
MadeMod makeMod(const InstallationSources& base, const InstallationSources& modded, Mod manifest,
    const std::filesystem::path& baseRoot = {});

} // namespace mods
