// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptApply.h"
#include "common/core/ShownText.h"

#include "LoadoutError.h"
#include "ValueText.h"

#include "common/core/TextLines.h"

#include <charconv>
#include <map>

namespace ordnix {

std::vector<ChangedByte> ParseScript(std::string_view text)
{
    const std::vector<std::string> lines = common::splitTextLines(text);
    if (lines.size() % 2 != 0)
        throw LoadoutError("Line " + std::to_string(lines.size()) + " holds a position without a value.");
    std::vector<ChangedByte> changes;
    // The line each position was first named on: applied in order, a second
    // value would win over the first unseen.
    std::map<std::size_t, std::size_t> named;
    for (std::size_t n = 0; n < lines.size(); n += 2) {
        const std::string& line = lines[n];
        std::size_t position = 0;
        const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), position);
        if (line.empty() || ec != std::errc() || end != line.data() + line.size())
            throw LoadoutError("Line " + std::to_string(n + 1) + " holds \"" + common::shownText(line) + "\", which is not a position.");
        const auto [first, isNew] = named.emplace(position, n + 1);
        if (!isNew)
            throw LoadoutError("Line " + std::to_string(n + 1) + " names position " + std::to_string(position)
                + " again (first on line " + std::to_string(first->second) + ").");
        changes.push_back({position, lines[n + 1]});
    }
    return changes;
}

void ApplyScript(LoadoutImage& image, const std::vector<ChangedByte>& changes)
{
    for (std::size_t n = 0; n < changes.size(); ++n) {
        const ChangedByte& change = changes[n];
        const std::string line = std::to_string(2 * n + 1);
        if (!image.contains(change.position))
            throw LoadoutError("Line " + line + ": position " + std::to_string(change.position) + " lies beyond the "
                + std::to_string(image.size()) + " bytes of the file.");
        if (!ToByteValue(change.value))
            throw LoadoutError("Line " + std::to_string(2 * n + 2) + ": \"" + change.value
                + "\" is not a whole number from 0 to 255.");
    }
    for (const ChangedByte& change : changes)
        image.setCurrent(change.position, change.value);
}

LoadoutImage DifferenceImage(const LoadoutImage& oldImage, const std::vector<std::uint8_t>& newBytes)
{
    if (newBytes.size() != oldImage.size())
        throw LoadoutError("The files differ in length (" + std::to_string(oldImage.size()) + " and "
            + std::to_string(newBytes.size()) + " bytes); a script cannot change a length.");
    LoadoutImage image = oldImage;
    for (std::size_t n = 0; n < newBytes.size(); ++n) {
        const std::string text = std::to_string(newBytes[n]);
        if (image.currentText(n + 1) != text)
            image.setCurrent(n + 1, text);
    }
    return image;
}

} // namespace ordnix
