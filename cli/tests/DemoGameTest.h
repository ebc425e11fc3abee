// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/demogen/DemoInstallation.h"

#include "cli/tests/VantorCommand.h"

#include "common/testing/ProgramRun.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace vantorcli::testing {

// A demo installation in a fresh folder, and vantor run beside it.
class DemoGameTest : public ::testing::Test {
protected:
    using Bytes = std::vector<std::uint8_t>;
    using Snapshot = std::map<std::string, Bytes>;

    common::TempDir work;
    std::filesystem::path game = work / "game";

    void SetUp() override { demogen::writeDemoInstallation(game); }

    common::ProgramRun vantor(const QStringList& arguments) const { return runVantor(work.path(), arguments); }

    // Every file below `dir` but the backups a change makes.
    static Snapshot snapshot(const std::filesystem::path& dir)
    {
        Snapshot files;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir)) {
            const std::string name = std::filesystem::relative(e.path(), dir).generic_string();
            if (e.is_regular_file() && !name.starts_with("Backups/"))
                files[name] = common::readAllBytes(e.path());
        }
        return files;
    }
};

} // namespace vantorcli::testing
