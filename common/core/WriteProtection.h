#pragma once

#include <filesystem>

namespace common {

// A file whose owner may not write it is write-protected, whoever runs the
// program (root included, who would otherwise replace it unasked). Throws
// IoError "File access denied" naming `file`; a missing file passes.
void refuseIfWriteProtected(const std::filesystem::path& file);
bool isWriteProtected(const std::filesystem::path& file);

} // namespace common
