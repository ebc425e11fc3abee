// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace common {

// A file whose owner may not write it is write-protected, whoever runs the
// program (root included, who would otherwise replace it unasked); so is one
// this process may not write (another user's), even where the folder would
// let a rename replace it. Throws IoError "File access denied" naming
// `file`; a missing file passes.
void refuseIfWriteProtected(const std::filesystem::path& file);
bool isWriteProtected(const std::filesystem::path& file);

} // namespace common
