// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace wingsmith {

// The settings file "Wingsmith.ini", an INI profile: section "Paths", key
// "Resourcepath". It lives in the user's config folder.
class Settings {
public:
    explicit Settings(std::filesystem::path file) : file_(std::move(file)) {}

    // $XDG_CONFIG_HOME/Wingsmith.ini, else ~/.config/Wingsmith.ini.
    static std::filesystem::path defaultLocation();

    // As a profile API reads it: sections and keys without regard to case,
    // blanks around the value dropped; `fallback` when missing.
    std::string read(const std::string& section, const std::string& key, const std::string& fallback) const;
    // Replaces or adds the key, keeping every other line. Throws IoError.
    void write(const std::string& section, const std::string& key, const std::string& value) const;

    std::string resourcePath() const { return read("Paths", "Resourcepath", ""); }
    void setResourcePath(const std::string& path) const { write("Paths", "Resourcepath", path); }

    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
};

// What read() and write() do with the file's lines.
std::string profileValue(
    const std::vector<std::string>& lines, const std::string& section, const std::string& key, const std::string& fallback);
std::vector<std::string> withProfileValue(
    std::vector<std::string> lines, const std::string& section, const std::string& key, const std::string& value);

} // namespace wingsmith
