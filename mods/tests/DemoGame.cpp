#include "mods/tests/DemoGame.h"

#include "mods/core/InstallationFiles.h"

#include "tools/demogen/DemoInstallation.h"
#include "wingsmith/core/AircraftRoster.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/GamePaths.h"

#include "common/core/FileLookup.h"
#include "common/testing/TempDir.h"

namespace modstest {

namespace fs = std::filesystem;

void writeDemoGame(const fs::path& game)
{
    demogen::writeDemoInstallation(game);
    const Bytes records = mods::readBytes(game / "FLT.CDF");
    for (int p = 0; p < wingsmith::kAircraftCount; ++p) {
        const auto& roster = wingsmith::rosterByPosition(p);
        const auto start = records.begin()
            + static_cast<std::ptrdiff_t>(wingsmith::kFltCdfRecords
                + wingsmith::FltRecord::kSize * static_cast<std::size_t>(roster.archiveIndex));
        common::writeAllBytes(game / roster.fltName, Bytes(start, start + wingsmith::FltRecord::kSize));
    }
    const Bytes data = mods::readBytes(game / "DATA.CDF");
    const auto table = data.begin() + static_cast<std::ptrdiff_t>(wingsmith::kDataCdfGunTable);
    common::writeAllBytes(game / "planes.dat", Bytes(table, table + wingsmith::kGunTableSize));
}

std::map<std::string, Bytes> folderSnapshot(const fs::path& folder)
{
    std::map<std::string, Bytes> out;
    for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) {
        if (it.depth() == 0 && it->is_directory() && common::lowerCase(it->path().filename().string()) == "backups") {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file())
            out[fs::relative(it->path(), folder).generic_string()] = mods::readBytes(it->path());
    }
    return out;
}

std::map<std::string, Bytes> gameSnapshot(const fs::path& game)
{
    std::map<std::string, Bytes> out;
    for (const auto& [key, name] : mods::listInstallationFiles(game))
        out[name] = mods::readBytes(game / name);
    return out;
}

} // namespace modstest
