// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mods {

// Now in UTC, as a mod's "made" and the record of installed mods keep it:
// "2026-12-10", or with the time "2026-12-10T15:37:10Z".
std::string utcNow(bool withTime);

} // namespace mods
