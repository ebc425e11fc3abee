// SPDX-License-Identifier: GPL-3.0-or-later
#include "mods/core/ModMaker.h"

#include "mods/core/FieldIndex.h"
#include "mods/core/GameFileKinds.h"
#include "mods/core/InstallationFiles.h"
#include "mods/core/Sha256.h"

#include "wingsmith/core/AircraftFiles.h"

#include "common/core/FileLookup.h"
#include "common/core/PathText.h"

namespace mods {

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// The field changes from `a` to `b`, when they alone make `b`.
std::optional<std::vector<FieldChange>> fieldChanges(
    const common::FileCatalogue& catalogue, const Bytes& a, const Bytes& b)
{
    if (a.size() != b.size())
        return std::nullopt;
    std::vector<FieldChange> out;
    Bytes made = a;
    const FieldIndex index(catalogue, a);
    for (const common::FieldPlace& p : catalogue.fields(b)) {
        const auto q = index.find(p.record, p.field);
        if (!q || q->offset != p.offset || q->width != p.width)
            return std::nullopt;
        if (std::equal(a.begin() + static_cast<std::ptrdiff_t>(p.offset),
                a.begin() + static_cast<std::ptrdiff_t>(p.offset + p.width),
                b.begin() + static_cast<std::ptrdiff_t>(p.offset)))
            continue;
        FieldChange c{p.record, p.field, catalogue.text(a, *q), catalogue.text(b, p)};
        made = catalogue.withText(made, p, c.to);
        out.push_back(std::move(c));
    }
    if (made != b)
        return std::nullopt;
    return out;
}

} // namespace

InstallationSources installationSources(const fs::path& root)
{
    InstallationSources out;
    for (const auto& [key, name] : listInstallationFiles(root))
        out[key] = {name, root / common::pathFromUtf8(name)};
    return out;
}

InstallationSources sourcesBeforeBackup(const fs::path& root, const fs::path& backup)
{
    InstallationSources out = installationSources(root);
    for (const auto& [key, name] : listInstallationFiles(backup)) {
        const auto it = out.find(key);
        out[key] = {it != out.end() ? it->second.first : name, backup / common::pathFromUtf8(name)};
    }
    return out;
}

MadeMod makeMod(
    const InstallationSources& base, const InstallationSources& modded, Mod manifest, const fs::path& baseRoot)
{
    MadeMod out{std::move(manifest), {}};
    out.mod.files.clear();
    for (const auto& [key, source] : modded) {
        const auto& [name, path] = source;
        const Bytes b = readBytes(path);
        const auto other = base.find(key);
        if (other == base.end()) {
            const auto* catalogue = catalogueFor(common::pathFromUtf8(name));
            const auto archived = catalogue && !baseRoot.empty()
                ? wingsmith::archivedLooseFile(common::utf8FromPath(baseRoot), name)
                : std::nullopt;
            if (archived) {
                if (auto changes = fieldChanges(*catalogue, archived->bytes, b)) {
                    out.mod.files.push_back(
                        {.file = name, .kind = std::string(catalogue->kind()), .fields = std::move(*changes)});
                    continue;
                }
            }
            out.mod.files.push_back({.file = name, .kind = kWholeFileKind, .whole = WholeFile{b, kNewFile}});
            continue;
        }
        const Bytes a = readBytes(other->second.second);
        if (a == b)
            continue;
        const auto* catalogue = catalogueFor(common::pathFromUtf8(other->second.first));
        if (catalogue) {
            if (auto changes = fieldChanges(*catalogue, a, b)) {
                out.mod.files.push_back({.file = other->second.first,
                    .kind = std::string(catalogue->kind()),
                    .fields = std::move(*changes)});
                continue;
            }
        }
        out.mod.files.push_back(
            {.file = other->second.first, .kind = kWholeFileKind, .whole = WholeFile{b, sha256Hex(a)}});
    }
    for (const auto& [key, source] : base)
        if (!modded.count(key))
            out.notCarried.push_back(source.first);
    return out;
}

} // namespace mods
