// SPDX-License-Identifier: GPL-3.0-or-later
#include "mods/core/ModOperations.h"

#include "mods/core/FieldIndex.h"
#include "mods/core/FieldStacks.h"
#include "mods/core/GameFileKinds.h"
#include "mods/core/InstalledMods.h"
#include "mods/core/InstallationFiles.h"
#include "mods/core/ModError.h"
#include "mods/core/Sha256.h"

#include "wingsmith/core/AircraftFiles.h"

#include "common/core/AtomicWrite.h"
#include "common/core/FieldValueError.h"
#include "common/core/FileActions.h"
#include "common/core/FileJournal.h"
#include "common/core/FileLookup.h"
#include "common/core/FileTransaction.h"
#include "common/core/PathText.h"

#include <map>
#include <optional>

namespace mods {

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;
using State = ChangeCheck::State;

constexpr const char* kMissing = "missing";

fs::path savedContent(const fs::path& game, const std::string& sha)
{
    return common::resolveNoCase(game, "Mods/saved/" + sha);
}

// A file of the game as a mod names it: found regardless of letter case,
// and never outside the game folder, not even through a link.
struct GameFile {
    fs::path real; // where it is, or where a new one goes
    bool exists = false;
};

std::optional<GameFile> locate(const fs::path& game, const std::string& relative, std::string& why)
{
    GameFile out;
    if (const auto found = common::findNoCase(game, relative)) {
        out.real = *found;
        out.exists = true;
    } else {
        const fs::path rel = common::pathFromUtf8(relative);
        const auto parent = rel.has_parent_path()
            ? common::findNoCase(game, common::genericUtf8FromPath(rel.parent_path()))
            : std::optional<fs::path>(game);
        if (!parent) {
            why = "its folder " + common::genericUtf8FromPath(rel.parent_path()) + " is not in the game folder";
            return std::nullopt;
        }
        out.real = *parent / rel.filename();
    }
    std::error_code ec;
    const fs::path root = fs::weakly_canonical(game, ec);
    const fs::path target = fs::weakly_canonical(out.real, ec);
    const fs::path inside = target.lexically_relative(root);
    if (ec || inside.empty() || *inside.begin() == "..") {
        why = "it leads out of the game folder";
        return std::nullopt;
    }
    std::error_code regular;
    if (out.exists && !fs::is_regular_file(out.real, regular)) {
        why = "it is not a regular file";
        return std::nullopt;
    }
    return out;
}

Bytes slice(const Bytes& bytes, const common::FieldPlace& p)
{
    return {bytes.begin() + static_cast<std::ptrdiff_t>(p.offset),
        bytes.begin() + static_cast<std::ptrdiff_t>(p.offset + p.width)};
}

// One file a mod changes, as found in the game, with its new bytes.
struct FilePlan {
    const FileChange* change = nullptr;
    GameFile where;
    const common::FileCatalogue* catalogue = nullptr;
    Bytes before; // empty when it does not exist
    Bytes after;
    std::vector<common::FieldPlace> places; // of each field change, in order
    bool extracted = false;                 // a loose file taken out of its archive
};

class Planner {
public:
    Planner(const Mod& mod, const fs::path& game) : mod_(mod), game_(game) {}

    [[noreturn]] void fail(
        const std::string& what, const std::string& reason, ModError::Remedy remedy = ModError::Remedy::none) const
    {
        throw ModError("Mod " + mod_.name + ", " + what + ": " + reason + ".", remedy);
    }

    // Reads the game's side of every change, or refuses the mod.
    void plan()
    {
        for (const FileChange& f : mod_.files) {
            FilePlan p;
            p.change = &f;
            std::string why;
            const auto where = locate(game_, f.file, why);
            if (!where)
                fail(f.file, why);
            p.where = *where;
            if (p.where.exists)
                p.before = readBytes(p.where.real);
            if (f.whole) {
                if (!p.where.exists && f.whole->replaces != kNewFile)
                    fail(f.file, "the game folder does not hold it");
                p.after = f.whole->content;
            } else {
                // A loose file the tools have not taken out of its archive
                // yet is set where it will be, as they would extract it.
                if (!p.where.exists) {
                    auto archived = wingsmith::archivedLooseFile(common::utf8FromPath(game_), f.file);
                    if (!archived || common::pathFromUtf8(f.file).has_parent_path())
                        fail(f.file, "the game folder does not hold it");
                    p.where.real = game_ / common::pathFromUtf8(archived->name);
                    p.before = std::move(archived->bytes);
                    p.extracted = true;
                }
                p.catalogue = catalogueFor(common::pathFromUtf8(f.file));
                if (!p.catalogue)
                    fail(f.file, "no catalogue knows this file, so its fields cannot be set");
                if (p.catalogue->kind() != f.kind)
                    fail(f.file, "it is a " + std::string(p.catalogue->kind()) + " file, not a " + f.kind + " file");
                p.after = p.before;
                const FieldIndex index(*p.catalogue, p.before);
                for (const FieldChange& c : f.fields) {
                    const std::string what = f.file + " " + c.record + " " + c.field;
                    const auto place = index.find(c.record, c.field);
                    if (!place)
                        fail(what, "the file holds no such record and field");
                    try {
                        (void)p.catalogue->withText(p.before, *place, c.from);
                        p.after = p.catalogue->withText(p.after, *place, c.to);
                    } catch (const common::FieldValueError& e) {
                        fail(what, e.what());
                    }
                    if (const auto odd = p.catalogue->outOfDomain(p.after, *place))
                        fail(what, "the value " + c.to + " lies outside what the game knows (" + *odd + ")");
                    p.places.push_back(*place);
                }
            }
            files_.push_back(std::move(p));
        }
    }

    std::vector<ChangeCheck> checks(InstalledMods& installed) const
    {
        const FieldStacks stacks(installed);
        std::vector<ChangeCheck> out;
        for (const FilePlan& p : files_) {
            const FileChange& f = *p.change;
            if (f.whole) {
                ChangeCheck c{.file = f.file, .from = f.whole->replaces, .to = sha256Hex(f.whole->content)};
                c.current = p.where.exists ? sha256Hex(p.before) : kMissing;
                c.state = c.current == c.to                                            ? State::already
                    : (c.current == c.from || (!p.where.exists && c.from == kNewFile)) ? State::clean
                                                                                       : State::changed;
                const auto* top = stacks.top(fieldKey(f.file, "", ""));
                const std::string holds = p.where.exists ? c.current : kNewFile;
                if (top && top->file && top->file->after == holds) {
                    c.heldBy = installed.mods[top->mod].name;
                    if (top->file->after != c.to)
                        c.conflictWith = c.heldBy;
                }
                out.push_back(std::move(c));
                continue;
            }
            for (std::size_t k = 0; k < f.fields.size(); ++k) {
                const FieldChange& fc = f.fields[k];
                const common::FieldPlace& place = p.places[k];
                const Bytes current = slice(p.before, place);
                ChangeCheck c{.file = f.file, .record = fc.record, .field = fc.field, .from = fc.from, .to = fc.to};
                c.current = p.catalogue->text(p.before, place);
                c.state = current == valueBytes(p, place, fc.to) ? State::already
                    : current == valueBytes(p, place, fc.from)   ? State::clean
                                                                 : State::changed;
                const auto* top = stacks.top(fieldKey(f.file, fc.record, fc.field));
                if (top && top->field && valueReads(p, place, top->field->after)
                    && valueBytes(p, place, top->field->after) == current) {
                    c.heldBy = installed.mods[top->mod].name;
                    if (c.state != State::already)
                        c.conflictWith = c.heldBy;
                }
                out.push_back(std::move(c));
            }
        }
        return out;
    }

    const std::vector<FilePlan>& files() const { return files_; }

    Bytes valueBytes(const FilePlan& p, const common::FieldPlace& place, const std::string& text) const
    {
        return slice(p.catalogue->withText(p.before, place, text), place);
    }
    bool valueReads(const FilePlan& p, const common::FieldPlace& place, const std::string& text) const
    {
        try {
            (void)p.catalogue->withText(p.before, place, text);
            return true;
        } catch (const common::FieldValueError&) {
            return false;
        }
    }

private:
    const Mod& mod_;
    fs::path game_;
    std::vector<FilePlan> files_;
};

std::string relativeShown(const fs::path& game, const fs::path& real)
{
    return common::genericUtf8FromPath(real.lexically_relative(game));
}

void writeRecord(const fs::path& game, const InstalledMods& installed)
{
    const fs::path file = InstalledMods::file(game);
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    common::writeFileAtomically(file, installed.text());
}

} // namespace

std::vector<ChangeCheck> checkMod(const Mod& mod, const fs::path& game)
{
    common::FileJournal::settleAround(InstalledMods::file(game));
    InstalledMods installed = InstalledMods::load(game);
    Planner planner(mod, game);
    planner.plan();
    return planner.checks(installed);
}

InstallOutcome installMod(const Mod& mod, const fs::path& game, const InstallOptions& options)
{
    common::FileTransaction transaction;
    if (!options.dryRun)
        transaction.holdFolder(game, InstalledMods::file(game));
    common::FileJournal::settleAround(InstalledMods::file(game));
    InstalledMods installed = InstalledMods::load(game);
    if (const InstalledMod* same = installed.find(mod.name))
        throw ModError("Mod " + mod.name + " is installed already (version " + same->version
            + "); remove it before installing it again.");
    Planner planner(mod, game);
    planner.plan();
    InstallOutcome out;
    out.changes = planner.checks(installed);
    for (const ChangeCheck& c : out.changes) {
        if (!c.conflictWith.empty() && !options.over)
            planner.fail(c.what(),
                "installed mod " + c.conflictWith + " set it to " + c.current + ", and this mod sets " + c.to,
                ModError::Remedy::onTop);
        if (c.state == State::changed && c.heldBy.empty() && !options.force)
            planner.fail(c.what(),
                "it holds " + c.current + ", neither the mod's " + c.from + " nor a mod's value: the game or an edit"
                    + " changed it since",
                ModError::Remedy::anyValue);
    }

    InstalledMod entry{.name = mod.name, .version = mod.version, .source = options.source, .installed = options.when};
    for (const FilePlan& p : planner.files()) {
        const FileChange& f = *p.change;
        if (p.extracted)
            entry.created.push_back({f.file, kNewFile, sha256Hex(p.before)});
        if (f.whole) {
            entry.files.push_back({f.file, p.where.exists ? sha256Hex(p.before) : kNewFile, sha256Hex(p.after)});
            continue;
        }
        for (std::size_t i = 0; i < f.fields.size(); ++i)
            entry.fields.push_back({f.file, f.fields[i].record, f.fields[i].field,
                p.catalogue->text(p.before, p.places[i]), p.catalogue->text(p.after, p.places[i])});
    }
    for (const FilePlan& p : planner.files())
        if (!p.where.exists || p.after != p.before)
            out.filesWritten.push_back(relativeShown(game, p.where.real));
    if (options.dryRun)
        return out;

    installed.mods.push_back(std::move(entry));
    for (const FilePlan& p : planner.files()) {
        if (p.change->whole && p.where.exists) {
            // What a whole file replaces is kept, for the mod's removal.
            const fs::path saved = savedContent(game, sha256Hex(p.before));
            std::error_code ec;
            if (!fs::exists(saved, ec)) {
                fs::create_directories(saved.parent_path(), ec);
                common::writeFileAtomically(saved, p.before);
            }
        }
        if (!p.where.exists || p.after != p.before)
            common::writeFileAtomically(p.where.real, p.after);
    }
    writeRecord(game, installed);
    transaction.commit();
    return out;
}

RemoveOutcome removeMod(std::string_view name, const fs::path& game, bool dryRun)
{
    common::FileTransaction transaction;
    if (!dryRun)
        transaction.holdFolder(game, InstalledMods::file(game));
    common::FileJournal::settleAround(InstalledMods::file(game));
    InstalledMods installed = InstalledMods::load(game);
    std::size_t index = installed.mods.size();
    for (std::size_t m = 0; m < installed.mods.size(); ++m)
        if (installed.mods[m].name == name)
            index = m;
    if (index == installed.mods.size())
        throw ModError("No mod named " + std::string(name) + " is installed in " + common::utf8FromPath(game) + ".");
    const InstalledMod removed = installed.mods[index];
    installed.mods.erase(installed.mods.begin() + static_cast<std::ptrdiff_t>(index));

    struct Pending {
        GameFile where;
        Bytes before, after;
        bool remove = false;
        std::optional<FieldIndex> index{}; // a removal keeps the file's length
    };
    std::map<std::string, Pending> files; // by lower-case relative name
    RemoveOutcome out;
    const auto pending = [&](const std::string& file, std::string& why) -> Pending* {
        const std::string key = common::lowerCase(file);
        if (const auto it = files.find(key); it != files.end())
            return &it->second;
        const auto where = locate(game, file, why);
        if (!where || !where->exists) {
            if (why.empty())
                why = "the game folder no longer holds it";
            return nullptr;
        }
        Pending p{*where, readBytes(where->real), {}};
        p.after = p.before;
        return &files.emplace(key, std::move(p)).first->second;
    };
    // The mods after the removed one now start at `index` in the list.
    const FieldStacks stacks(installed);
    for (const InstalledField& e : removed.fields) {
        const std::string what = e.file + " " + e.record + " " + e.field;
        const auto* later = stacks.firstFrom(fieldKey(e.file, e.record, e.field), index);
        if (later && later->field) {
            later->field->before = e.before;
            ++out.handedOn;
            continue;
        }
        std::string why;
        Pending* p = pending(e.file, why);
        const auto* catalogue = catalogueFor(common::pathFromUtf8(e.file));
        if (p && catalogue && !p->index)
            p->index.emplace(*catalogue, p->before);
        const auto place = p && catalogue ? p->index->find(e.record, e.field) : std::nullopt;
        if (!place) {
            out.leftAlone.push_back(
                what + " was not put back: " + (why.empty() ? "the file no longer holds it" : why) + ".");
            continue;
        }
        try {
            const Bytes holds = slice(p->after, *place);
            if (slice(catalogue->withText(p->after, *place, e.after), *place) != holds) {
                out.leftAlone.push_back(what + " holds " + catalogue->text(p->after, *place) + ", not this mod's "
                    + e.after + ": it was changed since, so it is left as it is.");
                continue;
            }
            p->after = catalogue->withText(p->after, *place, e.before);
            ++out.putBack;
        } catch (const common::FieldValueError& err) {
            out.leftAlone.push_back(what + " was not put back: " + err.what());
        }
    }
    std::vector<std::string> blobs;
    for (const InstalledFile& e : removed.files) {
        if (const auto* later = stacks.firstFrom(fieldKey(e.file, "", ""), index); later && later->file) {
            later->file->before = e.before;
            ++out.handedOn;
            continue;
        }
        std::string why;
        Pending* p = pending(e.file, why);
        if (!p) {
            out.leftAlone.push_back(e.file + " was not put back: " + why + ".");
            continue;
        }
        if (sha256Hex(p->after) != e.after) {
            out.leftAlone.push_back(e.file + " was changed since this mod put it, so it is left as it is.");
            continue;
        }
        if (e.before == kNewFile) {
            p->remove = true;
        } else {
            const fs::path saved = savedContent(game, e.before);
            std::error_code ec;
            if (!fs::exists(saved, ec)) {
                out.leftAlone.push_back(
                    e.file + " was not put back: its earlier content is gone from " + relativeShown(game, saved) + ".");
                continue;
            }
            p->after = readBytes(saved);
            blobs.push_back(e.before);
        }
        ++out.putBack;
    }
    // A loose file the mod took out of its archive goes again with the last
    // mod that changed it, when it holds what the archive holds.
    for (const InstalledFile& created : removed.created) {
        InstalledMod* heir = nullptr;
        for (auto& m : installed.mods) {
            for (const auto& f : m.fields)
                heir = heir ? heir : common::equalsNoCase(f.file, created.file) ? &m : nullptr;
        }
        if (heir) {
            heir->created.push_back(created);
            continue;
        }
        std::string why;
        Pending* p = pending(created.file, why);
        if (p && sha256Hex(p->after) == created.after)
            p->remove = true;
    }
    for (const auto& [key, p] : files)
        if (p.remove || p.after != p.before)
            out.filesWritten.push_back(relativeShown(game, p.where.real));
    if (dryRun)
        return out;

    for (const auto& [key, p] : files) {
        if (p.remove)
            common::removeFile(p.where.real);
        else if (p.after != p.before)
            common::writeFileAtomically(p.where.real, p.after);
    }
    // Saved content that no installed mod can put back any more goes.
    for (const std::string& sha : blobs) {
        bool used = false;
        for (const auto& m : installed.mods)
            for (const auto& f : m.files)
                used = used || f.before == sha;
        if (!used)
            common::removeFile(savedContent(game, sha));
    }
    writeRecord(game, installed);
    transaction.commit();
    return out;
}

std::vector<InstalledModStatus> installedMods(const fs::path& game)
{
    common::FileJournal::settleAround(InstalledMods::file(game));
    InstalledMods installed = InstalledMods::load(game);
    std::map<std::string, std::optional<Bytes>> cache;
    std::map<std::string, FieldIndex> indexes;
    const auto bytesOf = [&](const std::string& file) -> const std::optional<Bytes>& {
        const std::string key = common::lowerCase(file);
        if (const auto it = cache.find(key); it != cache.end())
            return it->second;
        std::string why;
        const auto where = locate(game, file, why);
        return cache[key] = where && where->exists ? std::optional<Bytes>(readBytes(where->real)) : std::nullopt;
    };
    const FieldStacks stacks(installed);
    std::vector<InstalledModStatus> out;
    for (std::size_t m = 0; m < installed.mods.size(); ++m) {
        const InstalledMod& mod = installed.mods[m];
        InstalledModStatus s{mod.name, mod.version, mod.installed, mod.fields.size() + mod.files.size()};
        for (const auto& e : mod.fields) {
            const auto& bytes = bytesOf(e.file);
            if (!bytes) {
                ++s.missing;
                continue;
            }
            if (stacks.top(fieldKey(e.file, e.record, e.field))->field != &e)
                continue; // a later mod's value stands there by design
            const auto* catalogue = catalogueFor(common::pathFromUtf8(e.file));
            if (catalogue && !indexes.count(common::lowerCase(e.file)))
                indexes.emplace(common::lowerCase(e.file), FieldIndex(*catalogue, *bytes));
            const auto place = catalogue ? indexes.at(common::lowerCase(e.file)).find(e.record, e.field) : std::nullopt;
            try {
                if (!place || slice(catalogue->withText(*bytes, *place, e.after), *place) != slice(*bytes, *place))
                    ++s.changedSince;
            } catch (const common::FieldValueError&) {
                ++s.changedSince;
            }
        }
        for (const auto& e : mod.files) {
            const auto& bytes = bytesOf(e.file);
            if (!bytes)
                ++s.missing;
            else if (stacks.top(fieldKey(e.file, "", ""))->file == &e && sha256Hex(*bytes) != e.after)
                ++s.changedSince;
        }
        out.push_back(std::move(s));
    }
    return out;
}

std::vector<FieldConflict> modConflicts(const std::vector<Mod>& mods, const fs::path& game)
{
    struct Setting {
        std::string mod, file, record, field, value;
    };
    std::map<std::string, std::vector<Setting>> byField;
    if (!game.empty()) {
        // Of the installed mods only the last to set a field holds it.
        std::map<std::string, Setting> top;
        for (const auto& m : InstalledMods::load(game).mods) {
            for (const auto& f : m.fields)
                top[fieldKey(f.file, f.record, f.field)]
                    = {m.name + " (installed)", f.file, f.record, f.field, f.after};
            for (const auto& f : m.files)
                top[fieldKey(f.file, "", "")] = {m.name + " (installed)", f.file, "", "", f.after};
        }
        for (auto& [key, setting] : top)
            byField[key].push_back(std::move(setting));
    }
    for (const Mod& m : mods)
        for (const FileChange& f : m.files) {
            if (f.whole)
                byField[fieldKey(f.file, "", "")].push_back({m.name, f.file, "", "", sha256Hex(f.whole->content)});
            for (const FieldChange& c : f.fields)
                byField[fieldKey(f.file, c.record, c.field)].push_back({m.name, f.file, c.record, c.field, c.to});
        }
    std::vector<FieldConflict> out;
    for (const auto& [key, settings] : byField)
        for (std::size_t a = 0; a < settings.size(); ++a)
            for (std::size_t b = a + 1; b < settings.size(); ++b)
                if (settings[a].value != settings[b].value && settings[a].mod != settings[b].mod)
                    out.push_back({settings[a].file, settings[a].record, settings[a].field, settings[a].mod,
                        settings[a].value, settings[b].mod, settings[b].value});
    return out;
}

} // namespace mods
