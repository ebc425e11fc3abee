// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace wingsmith {

// A game file: the resource path, the separator and the name. The file is
// found without regard to letter case; a file to be created takes the
// spelling given. An empty resource path means the root folder, where a
// Windows name starting with "\" would point.
std::filesystem::path gameFile(const std::string& resourcePath, std::string_view name);

inline constexpr std::string_view kDataCdfName = "data.cdf";
inline constexpr std::string_view kFltCdfName = "flt.cdf";
inline constexpr std::string_view kPlanesDatName = "planes.dat";

} // namespace wingsmith
