// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ModCommands.h"

#include "cli/CommandArguments.h"
#include "cli/CommandLine.h"
#include "cli/JsonText.h"
#include "mods/core/BackupRestore.h"
#include "mods/core/InstalledMods.h"
#include "mods/core/ModError.h"
#include "mods/core/ModFile.h"
#include "mods/core/ModMaker.h"
#include "mods/core/ModOperations.h"
#include "mods/core/UtcNow.h"

#include "common/core/AtomicWrite.h"
#include "common/core/RunBackups.h"
#include "common/core/TextLines.h"
#include "common/core/PathText.h"

#include <set>

namespace vantorcli {

namespace fs = std::filesystem;

namespace {

bool asJson(const CommandArguments& arguments)
{
    const std::string format = lowerCase(*arguments.value("format"));
    if (format != "text" && format != "json")
        throw UsageError("--format takes text or json");
    return format == "json";
}

fs::path gameFolder(const std::string& argument)
{
    const fs::path game = toPath(argument);
    std::error_code ec;
    if (!fs::is_directory(game, ec))
        throw Refusal(aboutFile(game, "File not found"));
    // Backups of the files a mod changes go below the game folder.
    common::RunBackups::setGameFolder(game);
    return game;
}

mods::Mod readModFile(const std::string& argument)
{
    return mods::readModFile(toPath(argument));
}

std::string changeWords(
    const std::string& record, const std::string& field, const std::string& from, const std::string& to)
{
    return record + " " + field + " " + from + " \u2192 " + to;
}

nlohmann::json checkJson(const mods::ChangeCheck& c)
{
    return {{"file", c.file}, {"record", c.record}, {"field", c.field}, {"from", c.from}, {"to", c.to},
        {"current", c.current}, {"state", mods::ChangeCheck::stateName(c.state)}, {"heldBy", c.heldBy},
        {"conflictWith", c.conflictWith}};
}

std::string checkLine(const mods::ChangeCheck& c)
{
    std::string line = std::string(mods::ChangeCheck::stateName(c.state)) + "  " + c.file + ": "
        + (c.record.empty() ? "whole file " + c.from.substr(0, 12) + " \u2192 " + c.to.substr(0, 12)
                            : changeWords(c.record, c.field, c.from, c.to));
    if (c.state == mods::ChangeCheck::State::changed)
        line += " (holds " + (c.record.empty() ? c.current.substr(0, 12) : c.current)
            + (c.heldBy.empty() ? "" : ", set by " + c.heldBy) + ")";
    return line + "\n";
}

// "1 change", "3 changes"
std::string counted(std::size_t n, const std::string& what)
{
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

std::string filesLine(const char* verb, const std::vector<std::string>& files)
{
    std::string out;
    for (const auto& f : files)
        out += std::string(out.empty() ? "" : ", ") + f;
    return files.empty() ? std::string() : std::string(verb) + " " + out + "\n";
}

} // namespace

int modMake(const CommandArguments& arguments)
{
    mods::InstallationSources base, modded;
    fs::path baseFolder, moddedFolder;
    if (const auto backup = arguments.value("since-backup")) {
        if (arguments.positionalCount() != 1)
            throw UsageError("with --since-backup give the game folder alone");
        moddedFolder = gameFolder(arguments.positional(0));
        fs::path folder = toPath(*backup);
        std::error_code ec;
        if (!fs::is_directory(folder, ec) && fs::is_directory(moddedFolder / folder, ec))
            folder = moddedFolder / folder;
        if (!fs::is_directory(folder, ec))
            throw Refusal(aboutFile(folder, "File not found"));
        base = mods::sourcesBeforeBackup(moddedFolder, folder);
        baseFolder = moddedFolder;
    } else {
        if (arguments.positionalCount() != 2)
            throw UsageError("give BASE and MODDED, or GAME with --since-backup");
        baseFolder = gameFolder(arguments.positional(0));
        moddedFolder = gameFolder(arguments.positional(1));
        base = mods::installationSources(baseFolder);
    }
    modded = mods::installationSources(moddedFolder);
    const std::string output = arguments.value("output").value_or("");
    if (output.empty())
        throw UsageError("-o NAME.vmod names the mod file to write");
    mods::Mod manifest;
    manifest.name = arguments.value("name").value_or(common::utf8FromPath(toPath(output).stem()));
    manifest.version = *arguments.value("version");
    if (!mods::isSemanticVersion(manifest.version))
        throw UsageError("--version takes a semantic version such as 1.0.0");
    manifest.author = arguments.value("author").value_or("");
    manifest.description = arguments.value("description").value_or("");
    if (const auto readme = arguments.value("readme"))
        manifest.readme = common::readFileBytes(toPath(*readme));
    manifest.made = mods::utcNow(false);
    const mods::MadeMod made = mods::makeMod(base, modded, manifest, baseFolder);
    const std::string text = mods::modText(made.mod);
    // What a stranger's reader refuses is not written either.
    (void)mods::readMod(text, manifest.name);
    std::string report;
    for (const auto& f : made.notCarried)
        report += "not carried: " + f + " (a mod does not remove files)\n";
    report += "mod " + made.mod.name + " " + made.mod.version + ": " + counted(made.mod.changeCount(), "change")
        + " in " + counted(made.mod.files.size(), "file") + "\n";
    if (output == "-") {
        writeStandardOutput(text);
        writeStandardError(report);
        return 0;
    }
    if (!arguments.isSet("dry-run"))
        common::writeFileAtomically(toPath(output), text);
    writeStandardOutput(report + (arguments.isSet("dry-run") ? "" : "wrote " + shown(toPath(output)) + "\n"));
    return 0;
}

int modShow(const CommandArguments& arguments)
{
    const mods::Mod mod = readModFile(arguments.positional(0));
    if (asJson(arguments)) {
        writeStandardOutput(mods::modText(mod));
        return 0;
    }
    std::string out = mod.name + " " + mod.version + (mod.author.empty() ? "" : " by " + mod.author)
        + (mod.made.empty() ? "" : ", made " + mod.made) + "\n";
    if (!mod.description.empty())
        out += mod.description + "\n";
    out += counted(mod.changeCount(), "change") + " in " + counted(mod.files.size(), "file") + "\n";
    for (const auto& f : mod.files) {
        if (f.whole) {
            out += f.file + ": the whole file (" + std::to_string(f.whole->content.size()) + " bytes"
                + (f.whole->replaces == mods::kNewFile ? ", new" : "") + ")\n";
            continue;
        }
        if (f.fields.empty())
            out += f.file + ": taken out of its archive, as the tools do\n";
        for (const auto& c : f.fields)
            out += f.file + ": " + changeWords(c.record, c.field, c.from, c.to) + "\n";
    }
    if (!mod.readme.empty())
        out += "\n" + mod.readme + (mod.readme.ends_with('\n') ? "" : "\n");
    writeStandardOutput(out);
    return 0;
}

int modCheck(const CommandArguments& arguments)
{
    const mods::Mod mod = readModFile(arguments.positional(0));
    const fs::path game = gameFolder(arguments.positional(1));
    const auto checks = mods::checkMod(mod, game);
    bool clean = !mods::InstalledMods::load(game).find(mod.name);
    for (const auto& c : checks)
        clean = clean && c.state != mods::ChangeCheck::State::changed;
    if (asJson(arguments)) {
        nlohmann::json list = nlohmann::json::array();
        for (const auto& c : checks)
            list.push_back(checkJson(c));
        writeStandardOutput(jsonText({{"mod", mod.name}, {"installs", clean}, {"changes", list}}));
    } else {
        std::string out;
        for (const auto& c : checks)
            out += checkLine(c);
        out += clean ? "mod " + mod.name + " would install\n"
                     : "mod " + mod.name + " would not install as it is (see vantor mod install --help)\n";
        writeStandardOutput(out);
    }
    return clean ? 0 : 1;
}

int modInstall(const CommandArguments& arguments)
{
    const fs::path modFile = toPath(arguments.positional(0));
    const mods::Mod mod = readModFile(arguments.positional(0));
    const fs::path game = gameFolder(arguments.positional(1));
    const bool dryRun = arguments.isSet("dry-run");
    const auto out = [&] {
        try {
            return mods::installMod(mod, game,
                {.over = arguments.isSet("over"),
                    .force = arguments.isSet("force"),
                    .dryRun = dryRun,
                    .source = common::utf8FromPath(modFile.filename()),
                    .when = mods::utcNow(true)});
        } catch (const mods::ModError& e) {
            // The sentence ends in a full stop; the option that lets it go on follows.
            const std::string option = e.remedy() == mods::ModError::Remedy::onTop ? "--over puts this mod on top"
                : e.remedy() == mods::ModError::Remedy::anyValue                   ? "--force sets it all the same"
                                                                                   : "";
            if (option.empty())
                throw;
            std::string text = e.what();
            text.insert(text.size() - 1, " (" + option + ")");
            throw Refusal(text);
        }
    }();
    if (asJson(arguments)) {
        nlohmann::json list = nlohmann::json::array();
        for (const auto& c : out.changes)
            list.push_back(checkJson(c));
        writeStandardOutput(
            jsonText({{"mod", mod.name}, {"dryRun", dryRun}, {"changes", list}, {"files", out.filesWritten}}));
        return 0;
    }
    std::string text;
    for (const auto& c : out.changes)
        text += checkLine(c);
    text += filesLine(dryRun ? "would change" : "changed", out.filesWritten);
    text += (dryRun ? "mod " + mod.name + " would install: " : "installed mod " + mod.name + ": ")
        + counted(out.changes.size(), "change") + "\n";
    writeStandardOutput(text);
    return 0;
}

int modRemove(const CommandArguments& arguments)
{
    std::string name = arguments.positional(0);
    std::error_code ec;
    if (name.ends_with(".vmod") && fs::is_regular_file(toPath(name), ec))
        name = readModFile(name).name;
    const fs::path game = gameFolder(arguments.positional(1));
    const bool dryRun = arguments.isSet("dry-run");
    const auto out = mods::removeMod(name, game, dryRun);
    if (asJson(arguments)) {
        writeStandardOutput(jsonText({{"mod", name}, {"dryRun", dryRun}, {"putBack", out.putBack},
            {"handedOn", out.handedOn}, {"leftAlone", out.leftAlone}, {"files", out.filesWritten}}));
        return 0;
    }
    std::string text;
    for (const auto& s : out.leftAlone)
        text += "left alone: " + s + "\n";
    text += filesLine(dryRun ? "would change" : "changed", out.filesWritten);
    text += std::string(dryRun ? "would remove mod " : "removed mod ") + name + ": " + std::to_string(out.putBack)
        + " put back, " + std::to_string(out.handedOn) + " kept as later mods set them, "
        + std::to_string(out.leftAlone.size()) + " left alone\n";
    writeStandardOutput(text);
    return 0;
}

int modList(const CommandArguments& arguments)
{
    const fs::path game = gameFolder(arguments.positional(0));
    const auto list = mods::installedMods(game);
    if (asJson(arguments)) {
        nlohmann::json array = nlohmann::json::array();
        for (const auto& m : list)
            array.push_back({{"name", m.name}, {"version", m.version}, {"installed", m.installed},
                {"changes", m.changes}, {"state", m.state()}});
        writeStandardOutput(jsonText(array));
        return 0;
    }
    std::string text;
    for (std::size_t i = 0; i < list.size(); ++i)
        text += std::to_string(i + 1) + ". " + list[i].name + " " + list[i].version + ", "
            + counted(list[i].changes, "change") + ", " + list[i].state() + "\n";
    writeStandardOutput(list.empty() ? "no mods installed\n" : text);
    return 0;
}

int modConflicts(const CommandArguments& arguments)
{
    std::vector<mods::Mod> mods;
    std::set<std::string> names;
    for (std::size_t i = 0; i < arguments.positionalCount(); ++i) {
        mods.push_back(readModFile(arguments.positional(i)));
        if (!names.insert(mods.back().name).second)
            throw Refusal("Two of the mods are named " + mods.back().name + ".");
    }
    fs::path game;
    if (const auto installed = arguments.value("installed"))
        game = gameFolder(*installed);
    const auto conflicts = mods::modConflicts(mods, game);
    if (asJson(arguments)) {
        nlohmann::json array = nlohmann::json::array();
        for (const auto& c : conflicts)
            array.push_back({{"file", c.file}, {"record", c.record}, {"field", c.field}, {"modA", c.modA},
                {"valueA", c.valueA}, {"modB", c.modB}, {"valueB", c.valueB}});
        writeStandardOutput(jsonText(array));
    } else {
        std::string text;
        for (const auto& c : conflicts)
            text += c.file + ": " + (c.record.empty() ? "the whole file" : c.record + " " + c.field) + ": " + c.modA
                + " sets " + c.valueA + ", " + c.modB + " sets " + c.valueB + "\n";
        writeStandardOutput(conflicts.empty() ? "no conflicts\n" : text);
    }
    return conflicts.empty() ? 0 : 1;
}

int restore(const CommandArguments& arguments)
{
    const fs::path game = gameFolder(arguments.positional(0));
    if (arguments.isSet("list") || arguments.positionalCount() < 2) {
        std::string text;
        for (const auto& f : mods::backupFolders(game))
            text += "Backups/" + common::utf8FromPath(f.filename()) + ": "
                + counted(mods::backedUpFiles(f).size(), "file") + "\n";
        writeStandardOutput(text.empty() ? "no backups\n" : text);
        return 0;
    }
    fs::path folder = toPath(arguments.positional(1));
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        folder = game / folder;
    if (!fs::is_directory(folder, ec))
        throw Refusal(aboutFile(toPath(arguments.positional(1)), "File not found"));
    const bool dryRun = arguments.isSet("dry-run");
    const auto out = mods::restoreBackup(game, folder, dryRun);
    std::string text = std::string(dryRun ? "would put back " : "put back ") + counted(out.files.size(), "file")
        + " from " + shown(folder) + "\n";
    for (const auto& name : out.modsUndone)
        text += "this undoes changes of installed mod " + name + " (see vantor mod list)\n";
    writeStandardOutput(text);
    return 0;
}

} // namespace vantorcli
