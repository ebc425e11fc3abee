// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstallationReport.h"

#include "FolderListing.h"

#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/core/TextLines.h"
#include "common/core/PathText.h"

#include <iterator>
#include <map>
#include <system_error>
#include <utility>

namespace probewell {

namespace fs = std::filesystem;

namespace {

// Both folder sections carry this header: the report's readers know it so.
constexpr std::string_view kFoldersHeader = "*****Vantor DIRECTORY FOLDERS";
constexpr std::string_view kGameFilesHeader = "*****Vantor DIRECTORY FILES";
constexpr std::string_view kAddonFilesHeader = "*****Nimbar DIRECTORY FILES";

struct StateFile {
    std::string_view fileName;
    std::string_view title; // the header shows it in upper case
    bool inAddonFolder;
};

constexpr StateFile kStateFiles[] = {
    {"LastNimbarDir", "LastNimbarDir", false},
    {"FoldersLoaded.txt", "FoldersLoaded", true},
    {"PlanesLoaded.txt", "PlanesLoaded", true},
};

std::string upper(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

void append(std::vector<std::string>& lines, std::vector<std::string> more)
{
    lines.insert(lines.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

// A state file's section: its title in upper case, what is to be said of
// it, and a blank line.
void appendSection(std::vector<std::string>& lines, std::string_view title, std::vector<std::string> body)
{
    lines.push_back("*****" + upper(title));
    append(lines, std::move(body));
    lines.emplace_back();
}

std::optional<fs::path> findFile(const std::optional<fs::path>& folder, std::string_view name)
{
    if (!folder)
        return std::nullopt;
    const auto found = common::findNoCase(*folder, name);
    std::error_code ec;
    if (!found || !fs::is_regular_file(*found, ec))
        return std::nullopt;
    return found;
}

void appendStateFile(std::vector<std::string>& lines, const StateFile& state, const fs::path& gameFolder,
    const std::optional<fs::path>& addonFolder, const std::map<fs::path, std::string>& unlisted)
{
    const std::optional<fs::path> folder = state.inAddonFolder ? addonFolder : std::optional<fs::path>(gameFolder);
    const auto file = findFile(folder, state.fileName);
    if (file) {
        // A file that is there but unreadable is worth telling apart from a
        // missing one: that difference is what the report is read for.
        std::string text;
        try {
            text = common::readFileBytes(*file);
        } catch (const common::IoError& e) {
            appendSection(lines, state.title, {std::string(state.fileName) + " could not be read: " + e.what()});
            return;
        }
        append(lines, stateFileSection(state.title, text));
        return;
    }
    // Not found in a folder that could not be read: it may well be there.
    appendSection(lines, state.title,
        {folder && unlisted.count(*folder) ? unlisted.at(*folder) : "No " + std::string(state.title)});
}

} // namespace

std::vector<std::string> stateFileSection(std::string_view title, std::string_view text)
{
    std::vector<std::string> lines;
    appendSection(lines, title, common::splitTextLines(text));
    return lines;
}

std::optional<fs::path> findAddonFolder(const fs::path& gameFolder)
{
    const auto found = common::findNoCase(gameFolder, kAddonFolderName);
    std::error_code ec;
    if (!found || !fs::is_directory(*found, ec))
        return std::nullopt;
    return found;
}

std::vector<std::string> buildReportLines(const fs::path& gameFolder, std::vector<std::string>* problems)
{
    const std::optional<fs::path> addonFolder = findAddonFolder(gameFolder);
    // An unreadable folder is named where its listing would be: the report
    // is what the author needs to see it.
    std::map<fs::path, std::string> unlisted;
    const auto listing = [&](auto list, const fs::path& folder) {
        try {
            return list(folder);
        } catch (const common::IoError& e) {
            std::string problem = common::utf8FromPath(folder) + " could not be listed: " + e.what();
            if (problems && !unlisted.count(folder))
                problems->push_back(problem);
            unlisted[folder] = problem;
            return std::vector<std::string>{std::move(problem)};
        }
    };
    const auto gameListing = [&](auto list) { return listing(list, gameFolder); };
    const auto addonListing = [&](auto list) {
        return addonFolder ? listing(list, *addonFolder) : std::vector<std::string>{};
    };

    std::vector<std::string> lines;
    lines.emplace_back(kFoldersHeader);
    append(lines, gameListing(listSubfolders));
    lines.emplace_back();
    lines.emplace_back(kFoldersHeader);
    append(lines, addonListing(listSubfolders));
    lines.emplace_back();
    lines.emplace_back(kGameFilesHeader);
    append(lines, gameListing(listFiles));
    lines.emplace_back();
    lines.emplace_back(kAddonFilesHeader);
    append(lines, addonListing(listFiles));
    lines.emplace_back();
    for (const StateFile& state : kStateFiles)
        appendStateFile(lines, state, gameFolder, addonFolder, unlisted);
    return lines;
}

fs::path writeReport(const fs::path& gameFolder, std::vector<std::string>* problems)
{
    const std::vector<std::string> lines = buildReportLines(gameFolder, problems);
    const fs::path target = common::resolveNoCase(gameFolder, kReportFileName);
    common::writeTextLines(target, lines);
    return target;
}

} // namespace probewell
