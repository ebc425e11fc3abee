// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace demogen {

// Writes the whole demo game installation into `gameDir` (created if
// missing); existing files of the same names are replaced.
void writeDemoInstallation(const std::filesystem::path& gameDir);

} // namespace demogen
