// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "menuwright/menufile/HangarLayout.h"
#include "menuwright/menufile/SelectionLayout.h"
#include "menuwright/menufile/Side.h"

#include <istream>

namespace menuwright {

// The selection screen Menuwright holds after choosing `side` and loading a
// layout text file: rows 0-5, rows 6-7 for the Axis only, then rows 8-10,
// in file order. Rows the file does not reach keep what choosing the side
// put there (its captions, no coordinates).
SelectionLayout loadSelectionLayout(std::istream& text, Side side);

// The hangar screen after loading a hangar layout text file: rows 0-4;
// rows the file does not reach keep their default captions.
HangarLayout loadHangarLayout(std::istream& text);

} // namespace menuwright
