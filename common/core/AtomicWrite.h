#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace common {

// Writes a file that a program creates whole: the bytes go to a temporary
// file beside the target, which is renamed into place only when complete, so
// a failure never leaves a partial or emptied file. An existing target keeps
// its permission bits. Throws IoError.
void writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);
void writeFileAtomically(const std::filesystem::path& target, std::string_view text);

} // namespace common
