// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextLines.h"

#include "AtomicWrite.h"
#include "BinaryFile.h"
#include "FileJournal.h"
#include "IoError.h"
#include "SystemCalls.h"

#include <algorithm>

namespace common {

std::vector<std::string> splitTextLines(std::string_view text)
{
    std::vector<std::string> lines;
    // One allocation for the list: a file of many short lines would
    // otherwise move its strings again at every growth.
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        std::size_t end = lf;
        if (end > start && text[end - 1] == '\r')
            --end;
        lines.emplace_back(text.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}

std::string readFileBytes(const std::filesystem::path& path)
{
    if (path.empty())
        throw IoError(IoFailure::FileNotFound);
    FileJournal::settleAround(path);
    const auto bytes = sys::readWhole(path, path);
    return std::string(bytes.begin(), bytes.end());
}

std::string readStandardInput()
{
    const auto bytes = sys::readStandardInput();
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> readTextLines(const std::filesystem::path& path)
{
    return splitTextLines(readFileBytes(path));
}

std::string joinCrlfLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

void writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    writeFileAtomically(path, joinCrlfLines(lines));
}

} // namespace common
