// SPDX-License-Identifier: GPL-3.0-or-later
#include "Parts.h"

#include <algorithm>

namespace fuzzing {

std::vector<std::span<const std::uint8_t>> splitParts(std::span<const std::uint8_t> input, std::size_t count)
{
    std::vector<std::span<const std::uint8_t>> parts;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        std::uint32_t length = 0;
        const std::size_t header = std::min<std::size_t>(4, input.size());
        for (std::size_t b = 0; b < header; ++b)
            length |= static_cast<std::uint32_t>(input[b]) << (8 * b);
        input = input.subspan(header);
        const std::size_t take = std::min<std::size_t>(length, input.size());
        parts.push_back(input.first(take));
        input = input.subspan(take);
    }
    parts.push_back(input);
    return parts;
}

std::vector<std::uint8_t> joinParts(const std::vector<std::vector<std::uint8_t>>& parts)
{
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i + 1 < parts.size()) {
            const auto length = static_cast<std::uint32_t>(parts[i].size());
            for (int b = 0; b < 4; ++b)
                out.push_back(static_cast<std::uint8_t>(length >> (8 * b)));
        }
        out.insert(out.end(), parts[i].begin(), parts[i].end());
    }
    return out;
}

} // namespace fuzzing
