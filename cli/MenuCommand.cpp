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

namespace {

int makeCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addPositionalArgument("LAYOUT", "A layout text file (five lines per button; - for standard input).");
    parser.addOption({"side", "usa, britain, axis (or 0, 1, 2), hangar-us, hangar-uk or hangar-axis.", "SIDE"});
    parser.addOption({{"o", "output"},
        "The menu file to write (- for standard output; else the game's name for it, here).", "FILE"});
    if (!parseCommand(
            parser, arguments, "vantor menu make: the menu file Menuwright (or Bayward) writes for a layout.", 1, 1))
        return 0;
    const auto sideName = optionValue(parser, "side");
    if (!sideName)
        throw UsageError("menu make needs --side");
    const QString s = sideName->toLower();
    using menuwright::Side;
    const std::map<QString, std::pair<Side, bool>> sides{{"usa", {Side::USA, false}},
        {"britain", {Side::Britain, false}}, {"axis", {Side::Axis, false}}, {"hangar-us", {Side::USA, true}},
        {"hangar-uk", {Side::Britain, true}}, {"hangar-axis", {Side::Axis, true}}, {"0", {Side::USA, false}},
        {"1", {Side::Britain, false}}, {"2", {Side::Axis, false}}};
    const auto found = sides.find(s);
    if (found == sides.end())
        throw UsageError("--side takes usa, britain, axis, hangar-us, hangar-uk or hangar-axis");
    const auto [side, hangar] = found->second;

    const auto layoutPath = toPath(parser.positionalArguments().at(0));
    std::istringstream text(readTextInput(layoutPath));
    std::filesystem::path out = hangar ? menuwright::hangarMenuFileName(side) : menuwright::selectionMenuFileName(side);
    if (const auto o = optionValue(parser, "o"))
        out = toPath(*o);
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

} // namespace

int runMenuCommand(const QStringList& arguments)
{
    const QString sub = arguments.isEmpty() ? QString() : arguments.first();
    if (sub == "make")
        return makeCommand(arguments.mid(1));
    if (sub == "--help" || sub == "-h") {
        writeStandardOutput("vantor menu make LAYOUT.txt --side SIDE [-o FILE] (takes --help)\n");
        return 0;
    }
    throw UsageError("vantor menu takes make");
}

} // namespace vantorcli
