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

namespace vantorcli {

// A demo installation in `game` under a fresh folder, the built vantor run
// there as a script would run it.
class VantorRun : public ::testing::Test {
protected:
    using Snapshot = std::map<std::string, std::vector<std::uint8_t>>;

    common::TempDir work;
    std::filesystem::path game = work / "game";

    void SetUp() override { demogen::writeDemoInstallation(game); }

    common::ProgramRun vantor(const QStringList& arguments) const { return runVantor(work.path(), arguments); }

    // vantor through the shell, `redirect` after its arguments
    // ("< FILE", "> /dev/full") or `before` it ("cat FILE |").
    common::ProgramRun vantorShell(
        const QString& redirect, const QStringList& arguments, const QString& before = {}) const
    {
        const QStringList command = vantorCommand();
        QStringList shell{"-c", before + " \"$0\" \"$@\" " + redirect};
        return common::runProgram("/bin/sh", work.path(), shell + command + arguments);
    }

    // Every file under `dir` but the run backups, which are not the game's.
    static Snapshot snapshot(const std::filesystem::path& dir)
    {
        Snapshot files;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir)) {
            const std::string name = std::filesystem::relative(e.path(), dir).string();
            if (name.starts_with("Backups"))
                continue;
            files[name + (e.is_directory() ? "/" : "")]
                = e.is_regular_file() ? common::readAllBytes(e.path()) : std::vector<std::uint8_t>{};
        }
        return files;
    }

    static std::vector<std::string> lines(const std::string& text)
    {
        std::vector<std::string> out;
        std::size_t start = 0;
        while (start < text.size()) {
            const auto end = text.find('\n', start);
            out.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
            start = end == std::string::npos ? text.size() : end + 1;
        }
        return out;
    }
};

} // namespace vantorcli
