#include "TextLines.h"

#include "AtomicWrite.h"
#include "BinaryFile.h"

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
    BinaryFile file = BinaryFile::open(path, BinaryFile::Mode::Read);
    const auto size = file.size();
    std::string text(static_cast<std::size_t>(size), '\0');
    if (size > 0)
        file.read(0, std::span<std::uint8_t>(reinterpret_cast<std::uint8_t*>(text.data()), text.size()));
    file.close();
    return text;
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
