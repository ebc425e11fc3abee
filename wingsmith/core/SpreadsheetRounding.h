// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace wingsmith {

// Whether `imported` looks like the float text `stored` after a spreadsheet
// opened and saved it, rather than a value a person typed: the sign of a
// zero lost or gained ("-0" -> "0"), or a long value rounded to fewer
// significant digits ("2.455615e+15" -> "2.46e+15"). A person types short
// numbers and a spreadsheet shortens long ones only, so the stored value
// must have at least six significant digits and the imported one keep three
// or more. Texts that are not plain decimals never look rounded.
bool looksSpreadsheetRounded(std::string_view stored, std::string_view imported);

} // namespace wingsmith
