// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuCommand.h"

#include "CommandLine.h"

#include "menuwright/core/LayoutLoading.h"
#include "menuwright/menufile/MenuFileError.h"
#include "menuwright/menufile/MenuFileWriter.h"
#include "menuwright/menufile/Side.h"

#include "common/core/TextLines.h"

#include <map>
#include <sstream>

namespace vantorcli {

int menuMake(const CommandArguments& arguments)
{
    const auto sideName = arguments.value("side");
    if (!sideName)
        throw UsageError("menu make needs --side");
    const std::string s = lowerCase(*sideName);
    using menuwright::Side;
    const std::map<std::string, std::pair<Side, bool>> sides{{"usa", {Side::USA, false}},
        {"britain", {Side::Britain, false}}, {"axis", {Side::Axis, false}}, {"hangar-us", {Side::USA, true}},
        {"hangar-uk", {Side::Britain, true}}, {"hangar-axis", {Side::Axis, true}}, {"0", {Side::USA, false}},
        {"1", {Side::Britain, false}}, {"2", {Side::Axis, false}}};
    const auto found = sides.find(s);
    if (found == sides.end())
        throw UsageError("--side takes usa, britain, axis, hangar-us, hangar-uk or hangar-axis");
    const auto [side, hangar] = found->second;

    const auto layoutPath = toPath(arguments.positional(0));
    std::istringstream text(readTextInput(layoutPath));
    const std::filesystem::path out = outputOption(arguments).value_or(
        hangar ? menuwright::hangarMenuFileName(side) : menuwright::selectionMenuFileName(side));
    try {
        const std::vector<std::uint8_t> bytes = hangar
            ? menuwright::buildHangarFile(menuwright::loadHangarLayout(text))
            : menuwright::buildSelectionFile(menuwright::loadSelectionLayout(text, side));
        writeResult(out, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const menuwright::MenuFileError& e) {
        throw Refusal(aboutFile(layoutPath, e.what()));
    }
    return 0;
}

} // namespace vantorcli
