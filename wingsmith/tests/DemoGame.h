// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A demo game folder in a temporary directory, for tests that need real
// archives. Only the two archives are written; the start-up extracts the rest.
#include "tools/demogen/WingsmithDemo.h"

#include "common/testing/TempDir.h"

#include <filesystem>
#include <string>

namespace wingsmith::testing {

struct DemoGame {
    common::TempDir dir;
    DemoGame() { demogen::writeWingsmithDemo(dir.path()); }
    std::string path() const { return dir.path().string(); }
    std::filesystem::path operator/(std::string_view name) const { return dir / name; }
};

} // namespace wingsmith::testing
