// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChangeScript.h"

#include "common/core/IoError.h"
#include "common/core/TextLines.h"

namespace ordnix {

std::vector<ChangedByte> ChangedBytes(const LoadoutImage& image)
{
    std::vector<ChangedByte> changes;
    const ValueColumn& loaded = image.loaded();
    const ValueColumn& current = image.current();
    if (loaded.allPlain() && current.allPlain()) {
        // The usual case: compare the bytes straight away.
        const auto& a = loaded.plainValues();
        const auto& b = current.plainValues();
        for (std::size_t i = 0; i < b.size(); ++i)
            if (a[i] != b[i])
                changes.push_back({i + 1, std::to_string(b[i])});
        return changes;
    }
    for (std::size_t i = 0; i < current.size(); ++i)
        if (!current.sameText(i, loaded))
            changes.push_back({i + 1, current.text(i)});
    return changes;
}

void WriteScript(const LoadoutImage& image, const std::filesystem::path& path)
{
    std::vector<std::string> lines;
    for (const ChangedByte& change : ChangedBytes(image)) {
        lines.push_back(std::to_string(change.position));
        lines.push_back(change.value);
    }
    try {
        common::writeTextLines(path, lines);
    } catch (const common::IoError& e) {
        throw e.about(path);
    }
}

std::string ReadText(const std::filesystem::path& path)
{
    try {
        return common::joinCrlfLines(common::readTextLines(path));
    } catch (const common::IoError& e) {
        throw e.about(path);
    }
}

} // namespace ordnix
