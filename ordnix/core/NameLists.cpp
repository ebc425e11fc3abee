// SPDX-License-Identifier: GPL-3.0-or-later
#include "NameLists.h"

#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/core/TextLines.h"
#include "common/core/PathText.h"

namespace ordnix {

namespace {

void loadList(const std::filesystem::path& dir, NameList& list, std::vector<std::string>& problems)
{
    const auto found = common::findNoCase(dir, list.fileName());
    if (!found) {
        problems.push_back(
            list.fileName() + " was not found in " + common::utf8FromPath(dir) + "; its names are missing.");
        return;
    }
    std::vector<std::string> lines;
    try {
        lines = common::readTextLines(*found);
    } catch (const common::IoError& e) {
        problems.push_back(list.fileName() + " could not be read: " + e.what());
        return;
    }
    SetListLines(list, std::move(lines), problems);
}

} // namespace

void SetListLines(NameList& list, std::vector<std::string> lines, std::vector<std::string>& problems)
{
    if (lines.size() > list.capacity()) {
        problems.push_back(list.fileName() + " has " + std::to_string(lines.size()) + " lines, but only "
            + std::to_string(list.capacity()) + " fit (codes 0 to " + std::to_string(list.capacity() - 1)
            + "); the lines after that are ignored.");
        lines.resize(list.capacity());
    }
    list.setNames(std::move(lines));
}

NameLists LoadLists(const std::filesystem::path& dir)
{
    NameLists lists;
    loadList(dir, lists.weapons, lists.problems);
    loadList(dir, lists.planes, lists.problems);
    loadList(dir, lists.locations, lists.problems);
    loadList(dir, lists.mounts, lists.problems);
    return lists;
}

} // namespace ordnix
