// SPDX-License-Identifier: GPL-3.0-or-later
#include "mods/testing/DemoGame.h"

#include "mods/core/GameFileKinds.h"
#include "mods/core/InstallationFiles.h"

#include "menuwright/menufile/MenuFileWriter.h"
#include "sortiekit/core/AirbaseList.h"
#include "sortiekit/core/AirfieldFile.h"
#include "sortiekit/core/BaseSlot.h"
#include "tools/demogen/DemoInstallation.h"
#include "tools/demogen/MenuDemo.h"
#include "wingsmith/core/AircraftFiles.h"
#include "wingsmith/core/AircraftRoster.h"

#include "common/core/AtomicWrite.h"
#include "common/core/FieldValueError.h"
#include "common/core/FileLookup.h"
#include "common/testing/TempDir.h"

#include <array>
#include <stdexcept>

namespace modstest {

namespace fs = std::filesystem;

namespace {

void chooseBases(const fs::path& game)
{
    std::array<int, 4> entries{};
    for (std::size_t s = 0; s < entries.size(); ++s)
        entries[s] = sortiekit::kBaseSlots[s].preselected;
    sortiekit::AirfieldFile::saveSelection(game, sortiekit::AirbaseList::load(game).recordNumbers(entries));
}

menuwright::ButtonRow rowOf(const demogen::DemoButton& b)
{
    return {
        b.caption, std::to_string(b.left), std::to_string(b.top), std::to_string(b.width), std::to_string(b.height)};
}

void writeMenuFiles(const fs::path& game)
{
    const std::pair<menuwright::Side, demogen::MenuDemoSide> sides[]
        = {{menuwright::Side::USA, demogen::MenuDemoSide::USA},
            {menuwright::Side::Britain, demogen::MenuDemoSide::Britain},
            {menuwright::Side::Axis, demogen::MenuDemoSide::Axis}};
    for (const auto& [side, demoSide] : sides) {
        menuwright::SelectionLayout selection{menuwright::selectionPictureName(side), side, {}};
        const auto buttons = demogen::demoSelectionButtons(demoSide);
        for (std::size_t r = 0; r < selection.rows.size(); ++r)
            selection.rows[r] = rowOf(buttons[r]);
        menuwright::writeSelectionFile(game / menuwright::selectionMenuFileName(side), selection);
        menuwright::HangarLayout hangar;
        const auto hangarButtons = demogen::demoHangarButtons();
        for (std::size_t r = 0; r < hangar.rows.size(); ++r)
            hangar.rows[r] = rowOf(hangarButtons[r]);
        menuwright::writeHangarFile(game / menuwright::hangarMenuFileName(side), hangar);
    }
}

} // namespace

void writeDemoGame(const fs::path& game, bool everyTool)
{
    demogen::writeDemoInstallation(game);
    std::vector<std::string> loose{"planes.dat"};
    for (int p = 0; p < wingsmith::kAircraftCount; ++p)
        loose.emplace_back(wingsmith::rosterByPosition(p).fltName);
    for (const auto& name : loose)
        common::writeFileAtomically(game / name, wingsmith::archivedLooseFile(game.string(), name)->bytes);
    if (everyTool) {
        chooseBases(game);
        writeMenuFiles(game);
    }
}

const fs::path& demoGame()
{
    static const common::TempDir dir;
    static const fs::path game = [] {
        writeDemoGame(dir.path());
        return dir.path();
    }();
    return game;
}

namespace {

std::pair<const common::FileCatalogue*, common::FieldPlace> placeOf(
    const Bytes& bytes, const std::string& file, const std::string& record, const std::string& field)
{
    const auto* catalogue = mods::catalogueFor(file);
    const auto place = catalogue ? catalogue->find(bytes, record, field) : std::nullopt;
    if (!place)
        throw std::invalid_argument(file + " holds no field " + record + " " + field);
    return {catalogue, *place};
}

} // namespace

std::string fieldText(
    const fs::path& game, const std::string& file, const std::string& record, const std::string& field)
{
    const Bytes bytes = mods::readBytes(game / file);
    const auto [catalogue, place] = placeOf(bytes, file, record, field);
    return catalogue->text(bytes, place);
}

std::string setFieldText(const fs::path& game, const std::string& file, const std::string& record,
    const std::string& field, const std::string& to)
{
    const Bytes bytes = mods::readBytes(game / file);
    const auto [catalogue, place] = placeOf(bytes, file, record, field);
    common::writeAllBytes(game / file, catalogue->withText(bytes, place, to));
    return catalogue->text(bytes, place);
}

std::optional<mods::FieldChange> flippedField(
    const common::FileCatalogue& catalogue, const Bytes& bytes, const common::FieldPlace& place, std::uint8_t flip)
{
    Bytes flipped = bytes;
    flipped[place.offset] ^= flip;
    const std::string to = catalogue.text(flipped, place);
    try {
        if (catalogue.outOfDomain(catalogue.withText(bytes, place, to), place))
            return std::nullopt;
    } catch (const common::FieldValueError&) {
        return std::nullopt; // out of the field's range
    }
    return mods::FieldChange{place.record, place.field, catalogue.text(bytes, place), to};
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
