// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/core/FileCatalogue.h"

#include <filesystem>
#include <vector>

namespace mods {

// The catalogues of every game file kind the suite knows, from the
// programs' cores.
const std::vector<const common::FileCatalogue*>& gameFileKinds();

// The catalogue that knows a game file, by its path below the game folder
// in any letter case; nullptr for a file none knows (a picture, a model, a
// layout text). The game reads its files from the folder itself: a file
// of a known name in a folder below (another tool's flight sets, say) is
// not the game's.
const common::FileCatalogue* catalogueFor(const std::filesystem::path& relativePath);

} // namespace mods
