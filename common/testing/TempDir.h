// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// A fresh folder under the system's temporary directory, removed with
// everything in it when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Small file helpers for tests.
std::vector<std::uint8_t> readAllBytes(const std::filesystem::path& path);
void writeAllBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
std::string readAllText(const std::filesystem::path& path);
void writeAllText(const std::filesystem::path& path, std::string_view text);

} // namespace common
