// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/core/TextLines.h"

#include <cstdlib>
#include <optional>
#include <system_error>
#include <vector>

namespace wingsmith {

namespace fs = std::filesystem;

namespace {

std::string trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

std::optional<std::string> sectionName(const std::string& line)
{
    const std::string t = trim(line);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']')
        return trim(t.substr(1, t.size() - 2));
    return std::nullopt;
}

// The key of a "key=value" line, if it is one.
std::optional<std::string> keyName(const std::string& line)
{
    const auto eq = line.find('=');
    if (eq == std::string::npos || trim(line).rfind(';', 0) == 0)
        return std::nullopt;
    return trim(line.substr(0, eq));
}

std::vector<std::string> linesOf(const fs::path& file)
{
    std::error_code ec;
    if (!fs::exists(file, ec))
        return {};
    try {
        return common::readTextLines(file);
    } catch (const common::IoError&) {
        return {};
    }
}

} // namespace

fs::path Settings::defaultLocation()
{
#ifdef _WIN32
    // The user's roaming application data, where Windows programs keep theirs.
    const char* appData = std::getenv("APPDATA");
    if (appData && *appData)
        return fs::path(appData) / "Wingsmith.ini";
    return fs::path("Wingsmith.ini");
#endif
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg && fs::path(xdg).is_absolute())
        return fs::path(xdg) / "Wingsmith.ini";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".config" / "Wingsmith.ini";
}

std::string profileValue(
    const std::vector<std::string>& lines, const std::string& section, const std::string& key, const std::string& fallback)
{
    bool inSection = false;
    for (const auto& line : lines) {
        if (auto s = sectionName(line)) {
            inSection = common::equalsNoCase(*s, section);
            continue;
        }
        if (!inSection)
            continue;
        if (auto k = keyName(line); k && common::equalsNoCase(*k, key)) {
            std::string value = trim(line.substr(line.find('=') + 1));
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);
            return value;
        }
    }
    return fallback;
}

std::vector<std::string> withProfileValue(
    std::vector<std::string> lines, const std::string& section, const std::string& key, const std::string& value)
{
    const std::string entry = key + "=" + value;
    std::optional<std::size_t> sectionEnd; // index after the last line of the section
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto s = sectionName(lines[i])) {
            inSection = common::equalsNoCase(*s, section);
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (auto k = keyName(lines[i]); k && common::equalsNoCase(*k, key)) {
            lines[i] = entry;
            return lines;
        }
        if (!trim(lines[i]).empty())
            sectionEnd = i + 1;
    }
    if (sectionEnd) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), entry);
    } else {
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    }
    return lines;
}

std::string Settings::read(const std::string& section, const std::string& key, const std::string& fallback) const
{
    return profileValue(linesOf(file_), section, key, fallback);
}

void Settings::write(const std::string& section, const std::string& key, const std::string& value) const
{
    const std::vector<std::string> lines = withProfileValue(linesOf(file_), section, key, value);
    std::error_code ec;
    if (file_.has_parent_path())
        fs::create_directories(file_.parent_path(), ec);
    common::writeTextLines(file_, lines);
}

} // namespace wingsmith
