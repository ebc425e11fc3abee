// SPDX-License-Identifier: GPL-3.0-or-later
#include "NormalsText.h"

#include "common/core/TextLines.h"

#include <cstdio>

namespace vector {

std::string normalsHeader()
{
    return ";normal       Y             Z             X";
}

std::string normalsLine(int element, const ElementRecord& values)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "N%03d=%7d%7d%7d%7d%7d%7d", element, values[0], values[1], values[2],
        values[3], values[4], values[5]);
    return buffer;
}

std::vector<std::string> normalsText(const Model& model, const std::function<void(int)>& progress)
{
    std::vector<std::string> lines{normalsHeader()};
    for (int e = 0; e < model.elementCount; ++e) {
        lines.push_back(normalsLine(e, model.elements[e]));
        if (progress)
            progress(e);
    }
    return lines;
}

void writeNormalsText(const std::filesystem::path& path, const Model& model, const std::function<void(int)>& progress)
{
    common::writeTextLines(path, normalsText(model, progress));
}

} // namespace vector
