// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureCommands.h"

#include <cstdio>

namespace splashroll {

int pictureIndex(int highest, int r)
{
    return highest * r / 32767;
}

std::string pictureFileName(std::string_view stem, int k)
{
    // Zeros are put in front of the number as text, so a negative k keeps
    // them before its sign, as the command has always been formed.
    const char* padding = k < 10 ? "00" : k < 100 ? "0" : "";
    char number[16];
    std::snprintf(number, sizeof number, "%s%d", padding, k);
    return std::string(stem) + "." + number;
}

std::string copyCommand(std::string_view stem, int k)
{
    return "copy " + pictureFileName(stem, k) + " main2.pic\n";
}

} // namespace splashroll
