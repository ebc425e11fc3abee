// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mods {

struct InstallOptions {
    bool over = false;  // a field another mod set goes to this mod, on top
    bool force = false; // a field holding neither `from` nor a mod's value is set all the same
    bool dryRun = false;
    std::string source{}; // the .vmod file's name, kept in the record
    std::string when{};   // the time kept in the record (UTC text)
};

} // namespace mods
