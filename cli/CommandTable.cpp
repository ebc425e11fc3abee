// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandTable.h"

#include "BasesCommands.h"
#include "CheckCommand.h"
#include "CommandLine.h"
#include "CommandParser.h"
#include "DiffCommand.h"
#include "FlightCommands.h"
#include "LoadoutCommands.h"
#include "MenuCommand.h"
#include "ModCommands.h"
#include "NormalsCommand.h"
#include "ReportCommand.h"
#include "SquadronCommands.h"

#include <map>

namespace vantorcli {

namespace {

const Command::Positional kGame{"GAME", "The game folder."};

// What a group's --help says, for the groups of more than one word.
const std::map<std::string, std::string> kGroupHelp{
    {"flight", "vantor flight export|import|show ... (each takes --help)\n"},
    {"loadout", "vantor loadout diff|apply ... (each takes --help)\n"},
    {"mod", "vantor mod make|show|check|install|remove|list|conflicts ... (each takes --help)\n"},
    {"menu", "vantor menu make LAYOUT.txt --side SIDE [-o FILE] (takes --help)\n"},
    {"squadron", "vantor squadron list|set ... (each takes --help)\n"},
    {"bases", "vantor bases show|set|standard GAME ... (each takes --help)\n"},
};

Command::Option option(
    std::vector<std::string> names, std::string valueName, std::string help, std::string defaultValue = "")
{
    return {std::move(names), std::move(valueName), std::move(help), std::move(defaultValue)};
}

Command::Option output(const std::string& valueName, const std::string& help)
{
    return option({"o", "output"}, valueName, help);
}

Command::Option flag(const std::string& name, const std::string& help)
{
    return option({name}, "", help);
}

std::vector<Command> makeTable()
{
    const std::string airfield = "An airfield, by its airbase.txt name or entry number.";
    return {
        {.group = "flight",
            .name = "export",
            .synopsis = "GAME [--format csv|json] [--aircraft NAME]",
            .description
            = "vantor flight export: every flight-record and gun-table field of the aircraft, to standard output.",
            .positionals = {kGame},
            .options = {option({"format"}, "FORMAT", "csv (one row per aircraft) or json.", "csv"),
                option({"aircraft"}, "NAME", "Only this aircraft (name or number); may be given more than once.")},
            .minimumPositional = 1,
            .maximumPositional = 1,
            .run = flightExport},
        {.group = "flight",
            .name = "import",
            .synopsis = "FILE GAME [--dry-run]",
            .description = "vantor flight import: writes the fields whose value differs into planes.dat and the "
                           "loose flight files.",
            .positionals = {{"FILE", "A table written by flight export (CSV or JSON)."}, kGame},
            .options = {flag("dry-run", "Lists the changes and writes nothing."),
                flag("strict",
                    "Refuses the table when values look rounded by a spreadsheet (a zero's sign lost, long values "
                    "shortened).")},
            .minimumPositional = 2,
            .maximumPositional = 2,
            .run = flightImport},
        {.group = "flight",
            .name = "show",
            .synopsis = "GAME AIRCRAFT",
            .description = "vantor flight show: an aircraft's values, page by page as Wingsmith shows them.",
            .positionals = {kGame, {"AIRCRAFT", "The aircraft, by name or number."}},
            .minimumPositional = 2,
            .maximumPositional = 2,
            .run = flightShow},
        {.group = "diff",
            .synopsis = "GAME_A GAME_B [--format json]",
            .description
            = "vantor diff: field-level differences of two installations. Exit 0 equal, 1 different, 2 trouble.",
            .positionals = {{"GAME_A", "One game folder."}, {"GAME_B", "The other game folder."}},
            .options = {option({"format"}, "FORMAT", "text (for people) or json.", "text")},
            .minimumPositional = 2,
            .maximumPositional = 2,
            .run = diff,
            .failureCode = 2},
        {.group = "loadout",
            .name = "diff",
            .synopsis = "OLD NEW -o SCRIPT.lox",
            .description = "vantor loadout diff: the loadout script that turns OLD into NEW, as Ordnix's \"Save "
                           "Block\" writes it.",
            .positionals = {{"OLD", "The loadout file as it was."}, {"NEW", "The loadout file as it should be."}},
            .options = {output("SCRIPT", "The script file to write (- or none: standard output).")},
            .minimumPositional = 2,
            .maximumPositional = 2,
            .run = loadoutDiff},
        {.group = "loadout",
            .name = "apply",
            .synopsis = "SCRIPT.lox LOADOUT [--replace]",
            .description = "vantor loadout apply: applies a loadout script; writes a numbered copy as Ordnix's "
                           "\"Save Loadout\" does.",
            .positionals = {{"SCRIPT", "A loadout script (.lox; - for standard input)."},
                {"LOADOUT", "The loadout file it applies to."}},
            .options = {flag("replace", "Writes back into LOADOUT instead of a numbered copy Loadout.NNN.")},
            .minimumPositional = 2,
            .maximumPositional = 2,
            .run = loadoutApply},
        {.group = "menu",
            .name = "make",
            .synopsis = "LAYOUT.txt --side usa|britain|axis|hangar-us|hangar-uk|hangar-axis [-o FILE]",
            .description = "vantor menu make: the menu file Menuwright (or Bayward) writes for a layout.",
            .positionals = {{"LAYOUT", "A layout text file (five lines per button; - for standard input)."}},
            .options
            = {option({"side"}, "SIDE", "usa, britain, axis (or 0, 1, 2), hangar-us, hangar-uk or hangar-axis."),
                output("FILE", "The menu file to write (- for standard output; else the game's name for it, here).")},
            .minimumPositional = 1,
            .maximumPositional = 1,
            .run = menuMake},
        {.group = "mod",
            .name = "make",
            .synopsis = "BASE MODDED -o NAME.vmod [--name NAME] [--version VERSION] | GAME --since-backup BACKUP ...",
            .description = "vantor mod make: the mod of the field changes that turn installation BASE into MODDED "
                           "(files no catalogue knows go whole).",
            .positionals = {{"BASE", "The installation as it was (or, with --since-backup, the game folder)."},
                {"MODDED", "The installation as modded."}},
            .options = {output("NAME.vmod", "The mod file to write (- for standard output)."),
                option({"name"}, "NAME", "The mod's name (default: the file's name)."),
                option({"version"}, "VERSION", "Its semantic version.", "1.0.0"),
                option({"author"}, "AUTHOR", "Who made it."),
                option({"description"}, "TEXT", "One line on what it does."),
                option({"readme"}, "FILE", "A text file shown to whoever installs it."),
                option({"since-backup"}, "BACKUP",
                    "A backup folder (Backups/PROGRAM-...): its originals are BASE, the game folder MODDED."),
                flag("dry-run", "Says what the mod would hold and writes nothing.")},
            .minimumPositional = 1,
            .maximumPositional = 2,
            .run = modMake},
        {.group = "mod",
            .name = "show",
            .synopsis = "NAME.vmod [--format text|json]",
            .description = "vantor mod show: a mod's manifest and its changes in words.",
            .positionals = {{"MOD", "A mod file (.vmod)."}},
            .options = {option({"format"}, "FORMAT", "text or json.", "text")},
            .minimumPositional = 1,
            .maximumPositional = 1,
            .run = modShow},
        {.group = "mod",
            .name = "check",
            .synopsis = "NAME.vmod GAME [--format text|json]",
            .description = "vantor mod check: how each change meets the game: clean (holds from), already (holds "
                           "to) or changed (by whom). Exit 0 it would install, 1 not as it is.",
            .positionals = {{"MOD", "A mod file (.vmod)."}, kGame},
            .options = {option({"format"}, "FORMAT", "text or json.", "text")},
            .minimumPositional = 2,
            .maximumPositional = 2,
            .run = modCheck},
        {.group = "mod",
            .name = "install",
            .synopsis = "NAME.vmod GAME [--over] [--force] [--dry-run] [--format text|json]",
            .description = "vantor mod install: installs a mod, all or nothing; a field another installed mod "
                           "set otherwise is a conflict.",
            .positionals = {{"MOD", "A mod file (.vmod)."}, kGame},
            .options = {flag("over", "Lets this mod go on top of the installed mods it conflicts with."),
                flag("force", "Sets fields that hold neither the mod's from nor a mod's value."),
                flag("dry-run", "Says what it would change and writes nothing."),
                option({"format"}, "FORMAT", "text or json.", "text")},
            .minimumPositional = 2,
            .maximumPositional = 2,
            .run = modInstall},
        {.group = "mod",
            .name = "remove",
            .synopsis = "NAME GAME [--dry-run] [--format text|json]",
            .description = "vantor mod remove: puts back, field by field, what an installed mod changed; fields "
                           "later mods or edits changed stay as they are.",
            .positionals = {{"NAME", "The installed mod's name (or its .vmod file)."}, kGame},
            .options = {flag("dry-run", "Says what it would put back and writes nothing."),
                option({"format"}, "FORMAT", "text or json.", "text")},
            .minimumPositional = 2,
            .maximumPositional = 2,
            .run = modRemove},
        {.group = "mod",
            .name = "list",
            .synopsis = "GAME [--format text|json]",
            .description = "vantor mod list: the installed mods in order, with version, changes and state.",
            .positionals = {kGame},
            .options = {option({"format"}, "FORMAT", "text or json.", "text")},
            .minimumPositional = 1,
            .maximumPositional = 1,
            .run = modList},
        {.group = "mod",
            .name = "conflicts",
            .synopsis = "A.vmod B.vmod ... [--installed GAME] [--format text|json]",
            .description = "vantor mod conflicts: the fields two of the mods set to different values. Exit 0 none, "
                           "1 some.",
            .positionals = {{"MOD...", "Mod files (.vmod)."}},
            .options = {option({"installed"}, "GAME", "Also the mods installed in this game folder."),
                option({"format"}, "FORMAT", "text or json.", "text")},
            .minimumPositional = 1,
            .maximumPositional = 1000,
            .lastRepeats = true,
            .run = modConflicts},
        {.group = "restore",
            .synopsis = "GAME [--list] [BACKUP] [--dry-run]",
            .description = "vantor restore: puts a backup folder's files back into the game (the files replaced "
                           "are backed up first), and names the installed mods that undoes.",
            .positionals = {kGame, {"BACKUP", "A backup folder (Backups/PROGRAM-...); none lists them."}},
            .options = {flag("list", "Lists the backup folders."),
                flag("dry-run", "Says what it would put back and writes nothing.")},
            .minimumPositional = 1,
            .maximumPositional = 2,
            .run = restore},
        {.group = "normals",
            .synopsis = "MODEL.3dz [-o FILE]",
            .description = "vantor normals: the normals text vector writes for a model after calculating every normal.",
            .positionals = {{"MODEL", "A 3dz model file (- for standard input)."}},
            .options = {output("FILE", "The normals text file to write (- or none: standard output).")},
            .minimumPositional = 1,
            .maximumPositional = 1,
            .run = normals},
        {.group = "squadron",
            .name = "list",
            .synopsis = "FILE",
            .description = "vantor squadron list: the aircraft of every record, as Rosterly lists them.",
            .positionals = {{"FILE", "A squadron file (sq????.dat)."}},
            .minimumPositional = 1,
            .maximumPositional = 1,
            .run = squadronList},
        {.group = "squadron",
            .name = "set",
            .synopsis = "FILE RECORD AIRCRAFT",
            .description = "vantor squadron set: changes the aircraft of one record, the one byte Rosterly writes.",
            .positionals = {{"FILE", "A squadron file (squs/squk/sqgr????.dat)."},
                {"RECORD", "The record, counted from 1 as squadron list shows it."},
                {"AIRCRAFT", "The aircraft, by its planes.txt name or its code."}},
            .minimumPositional = 3,
            .maximumPositional = 3,
            .run = squadronSet},
        {.group = "bases",
            .name = "show",
            .synopsis = "GAME",
            .description = "vantor bases show: the four bases airfield.dat marks.",
            .positionals = {kGame},
            .minimumPositional = 1,
            .maximumPositional = 1,
            .run = basesShow},
        {.group = "bases",
            .name = "set",
            .synopsis = "GAME A1 A2 L1 L2",
            .description = "vantor bases set: writes airfield.dat from airfield.bak with the four bases, as \"Save "
                           "Selection\" does.",
            .positionals = {kGame, {"A1", airfield}, {"A2", airfield}, {"L1", airfield}, {"L2", airfield}},
            .minimumPositional = 5,
            .maximumPositional = 5,
            .run = basesSet},
        {.group = "bases",
            .name = "standard",
            .synopsis = "GAME",
            .description = "vantor bases standard: removes airfield.dat, as \"Standard Vantor\" does.",
            .positionals = {kGame},
            .minimumPositional = 1,
            .maximumPositional = 1,
            .run = basesStandard},
        {.group = "check",
            .synopsis = "GAME",
            .description = "vantor check: the values of an installation the game does not know (codes outside their "
                           "lists, aircraft beyond planes.txt, buttons off the screen, squadron and airfield values). "
                           "Exit 0 none, 1 "
                           "some, 2 trouble.",
            .positionals = {kGame},
            .minimumPositional = 1,
            .maximumPositional = 1,
            .run = check,
            .failureCode = 2},
        {.group = "report",
            .synopsis = "GAME [-o FILE]",
            .description = "vantor report: Probewell's report of an installation.",
            .positionals = {kGame},
            .options = {output("FILE", "The report file to write (- or none: standard output).")},
            .minimumPositional = 1,
            .maximumPositional = 1,
            .run = report},
    };
}

// "export, import or show"
std::string choices(const std::vector<const Command*>& group)
{
    std::string text;
    for (std::size_t n = 0; n < group.size(); ++n)
        text += (n == 0 ? "" : n + 1 == group.size() ? " or " : ", ") + group[n]->name;
    return text;
}

} // namespace

const std::vector<Command>& commandTable()
{
    static const std::vector<Command> table = makeTable();
    return table;
}

std::string usageText()
{
    std::string text = "Usage: vantor COMMAND [ARGUMENTS]\n"
                       "\n"
                       "Commands (each takes --help):\n";
    for (const Command& c : commandTable())
        text += "  " + c.group + (c.name.empty() ? "" : " " + c.name) + " " + c.synopsis + "\n";
    return text
        + "\n"
          "\n"
          "vantor --help and vantor --version show this and the version; vantor help COMMAND shows a command's help.\n"
          "A FILE to read may be - for standard input, and -o - writes to standard output.\n"
          "Exit status: 0 done, 1 refused or failed (diff: the installations differ), 2 bad usage.\n";
}

std::vector<const Command*> commandGroup(const std::string& group)
{
    std::vector<const Command*> commands;
    for (const Command& c : commandTable())
        if (c.group == group)
            commands.push_back(&c);
    return commands;
}

int runCommand(const std::vector<const Command*>& group, const std::vector<std::string>& arguments)
{
    if (group.size() == 1 && group.front()->name.empty()) {
        const auto parsed = parseCommand(*group.front(), arguments);
        return parsed ? group.front()->run(*parsed) : 0;
    }
    const std::string sub = arguments.empty() ? std::string() : arguments.front();
    const std::vector<std::string> rest(arguments.begin() + (arguments.empty() ? 0 : 1), arguments.end());
    for (const Command* c : group)
        if (c->name == sub) {
            const auto parsed = parseCommand(*c, rest);
            return parsed ? c->run(*parsed) : 0;
        }
    if (sub == "--help" || sub == "-h") {
        writeStandardOutput(kGroupHelp.at(group.front()->group));
        return 0;
    }
    throw UsageError("vantor " + group.front()->group + " takes " + choices(group));
}

} // namespace vantorcli
