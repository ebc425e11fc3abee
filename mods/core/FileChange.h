// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mods/core/FieldChange.h"
#include "mods/core/WholeFile.h"

#include <optional>
#include <string>
#include <vector>

namespace mods {

inline constexpr const char* kWholeFileKind = "whole file";

// What a mod changes in one game file: fields, or the file whole.
struct FileChange {
    std::string file{}; // below the game folder, '/' between folders
    std::string kind{}; // a catalogue's kind, or kWholeFileKind
    std::vector<FieldChange> fields{};
    std::optional<WholeFile> whole{};
    nlohmann::ordered_json unknown = nlohmann::ordered_json::object();
};

} // namespace mods
