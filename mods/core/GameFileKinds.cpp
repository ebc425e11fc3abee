// SPDX-License-Identifier: GPL-3.0-or-later
#include "mods/core/GameFileKinds.h"

#include "menuwright/menufile/MenuFileCatalogue.h"
#include "ordnix/core/LoadoutFileCatalogue.h"
#include "rosterly/core/SquadronFileCatalogue.h"
#include "sortiekit/core/AirfieldFileCatalogue.h"
#include "wingsmith/core/FlightFileCatalogue.h"

#include "common/core/FileLookup.h"
#include "common/core/PathText.h"

#include <algorithm>

namespace mods {

const std::vector<const common::FileCatalogue*>& gameFileKinds()
{
    static const auto kinds = [] {
        std::vector<const common::FileCatalogue*> out;
        for (const auto* c : wingsmith::FlightFileCatalogue::all())
            out.push_back(c);
        static const ordnix::LoadoutFileCatalogue loadout;
        out.push_back(&loadout);
        static const rosterly::SquadronFileCatalogue squadron;
        out.push_back(&squadron);
        static const sortiekit::AirfieldFileCatalogue airfield;
        out.push_back(&airfield);
        static const menuwright::MenuFileCatalogue menu;
        out.push_back(&menu);
        return out;
    }();
    return kinds;
}

const common::FileCatalogue* catalogueFor(const std::filesystem::path& relativePath)
{
    if (relativePath.has_parent_path())
        return nullptr;
    const std::string name = common::lowerCase(common::utf8FromPath(relativePath));
    for (const auto* c : gameFileKinds())
        if (c->holds(name))
            return c;
    return nullptr;
}

} // namespace mods
