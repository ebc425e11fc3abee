// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextfileCheck.h"

namespace menuwright {

TextfileCheck checkLayoutTextLength(std::size_t lineCount, std::optional<Side> selectedSide)
{
    TextfileCheck check;
    check.axisFile = lineCount >= 55;
    if (lineCount < 45) {
        check.warning = {"The length of the file suggests that this is a bad text file.",
            "Click anywhere in this box to close this warning!"};
    } else if (lineCount == 45 && selectedSide != Side::USA && selectedSide != Side::Britain) {
        check.warning = {"The length of the file suggests that this is a US or UK file.",
            "However, no appropriate radio button is selected.",
            "Please select one before you try to make the mnu file.",
            "Click anywhere in this box to close this warning!"};
    }
    return check;
}

} // namespace menuwright
