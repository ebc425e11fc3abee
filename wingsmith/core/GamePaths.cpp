// SPDX-License-Identifier: GPL-3.0-or-later
#include "GamePaths.h"

#include "common/core/FileLookup.h"
#include "common/core/PathText.h"

namespace wingsmith {

std::filesystem::path gameFile(const std::string& resourcePath, std::string_view name)
{
    const std::filesystem::path dir
        = resourcePath.empty() ? std::filesystem::current_path().root_path() : common::pathFromUtf8(resourcePath);
    return common::resolveNoCase(dir, name);
}

} // namespace wingsmith
