// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace common {

// The file layer's own short-lived files beside the game's: a temporary
// file that becomes a target by a rename, and the journal of an operation
// under way. Comparisons and listings leave them out.
inline constexpr std::string_view kJournalName = ".vantor-journal";

// The mkstemp pattern of a temporary file for the target named `target`.
std::string temporaryPattern(const std::string& target);
// Whether `name` is a temporary file made for the target `target`.
bool isTemporaryFor(std::string_view name, std::string_view target);
// Whether `name` is any of the layer's scratch files.
bool isScratchFileName(std::string_view name);

} // namespace common
