// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace demogen {

// The Nimbar add-on as the installation report finds it: the add-on folder
// "Nimbar" with a few set folders and files, its two state files, and the
// LastNimbarDir file in the game folder. The texts are CR LF lines.
std::string buildDemoLastNimbarDir();
std::string buildDemoFoldersLoaded();
std::string buildDemoPlanesLoaded();

void writeProbewellDemo(const std::filesystem::path& gameDir);

} // namespace demogen
