// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileLookup.h"

#include "SystemCalls.h"
#include "PathText.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

namespace common {

namespace fs = std::filesystem;

namespace {

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::vector<std::string> components(std::string_view name)
{
    std::vector<std::string> parts;
    std::string current;
    for (char c : name) {
        if (c == '\\' || c == '/') {
            if (!current.empty())
                parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(std::move(current));
    return parts;
}

std::optional<fs::path> findEntry(const fs::path& dir, const std::string& part)
{
    std::error_code ec;
    const fs::path exact = dir / pathFromUtf8(part);
    if (part == "." || part == "..")
        return fs::exists(exact, ec) ? std::optional<fs::path>(exact) : std::nullopt;
#ifndef _WIN32
    if (fs::exists(exact, ec))
        return exact;
#endif
    // Windows finds any spelling itself; the listing gives the one on disk,
    // which is the one a message or a listing must show.
    std::vector<fs::path> matches;
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = common::utf8FromPath(it->path().filename());
        if (name == part)
            return dir / it->path().filename();
        if (equalsNoCase(name, part))
            matches.push_back(dir / it->path().filename());
    }
    if (matches.empty())
        return std::nullopt;
    std::sort(matches.begin(), matches.end());
    return matches.front();
}

} // namespace

bool sameFile(const fs::path& a, const fs::path& b)
{
    const sys::FileInfo x = sys::info(a);
    const sys::FileInfo y = sys::info(b);
    return x.exists && y.exists && x.device == y.device && x.inode == y.inode;
}

std::string lowerCase(std::string text)
{
    for (char& c : text)
        c = lower(c);
    return text;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return lower(x) == lower(y);
    });
}

std::optional<fs::path> findNoCase(const fs::path& dir, std::string_view name)
{
    const auto parts = components(name);
    if (parts.empty())
        return std::nullopt;
    fs::path current = dir;
    for (const auto& part : parts) {
        auto next = findEntry(current, part);
        if (!next)
            return std::nullopt;
        current = *next;
    }
    return current;
}

fs::path resolveNoCase(const fs::path& dir, std::string_view name)
{
    if (auto found = findNoCase(dir, name))
        return *found;
    // A missing file goes into the existing folders whatever their spelling.
    const auto parts = components(name);
    fs::path result = dir;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        auto next = i + 1 < parts.size() ? findEntry(result, parts[i]) : std::nullopt;
        result = next ? *next : result / pathFromUtf8(parts[i]);
    }
    return result;
}

} // namespace common
