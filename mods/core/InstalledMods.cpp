// SPDX-License-Identifier: GPL-3.0-or-later
#include "mods/core/InstalledMods.h"

#include "mods/core/ModError.h"
#include "mods/core/WholeFile.h"

#include "common/core/FileLookup.h"
#include "common/core/TextLines.h"
#include "common/core/PathText.h"

#include <nlohmann/json.hpp>

namespace mods {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace {

constexpr const char* kFormat = "vantor installed mods 1";

std::string textOf(const Json& j, const char* key)
{
    const auto it = j.find(key);
    if (it == j.end() || !it->is_string())
        throw std::invalid_argument(key);
    return it->get<std::string>();
}

} // namespace

fs::path InstalledMods::file(const fs::path& game)
{
    return common::resolveNoCase(game, "Mods/installed.json");
}

InstalledMods InstalledMods::load(const fs::path& game)
{
    const fs::path path = file(game);
    std::error_code ec;
    if (!fs::exists(path, ec))
        return {};
    return fromText(common::readFileBytes(path), common::utf8FromPath(path));
}

InstalledMods InstalledMods::fromText(std::string_view text, const std::string& shown)
{
    const Json j = Json::parse(text.begin(), text.end(), nullptr, false);
    InstalledMods out;
    try {
        if (j.is_discarded() || !j.is_object() || textOf(j, "format") != kFormat)
            throw std::invalid_argument("format");
        for (const Json& m : j.at("mods")) {
            InstalledMod mod;
            mod.name = textOf(m, "name");
            mod.version = textOf(m, "version");
            mod.source = textOf(m, "source");
            mod.installed = textOf(m, "installed");
            for (const Json& f : m.at("fields"))
                mod.fields.push_back({textOf(f, "file"), textOf(f, "record"), textOf(f, "field"), textOf(f, "before"),
                    textOf(f, "after")});
            for (const Json& f : m.at("files"))
                mod.files.push_back({textOf(f, "file"), textOf(f, "before"), textOf(f, "after")});
            if (const auto created = m.find("created"); created != m.end())
                for (const Json& f : *created)
                    mod.created.push_back({textOf(f, "file"), kNewFile, textOf(f, "extracted")});
            out.mods.push_back(std::move(mod));
        }
    } catch (const std::exception&) {
        throw ModError("The record of installed mods " + shown
            + " does not read: it was damaged; restore it from a backup or remove it to start afresh.");
    }
    return out;
}

std::string InstalledMods::text() const
{
    Json j = Json::object();
    j["format"] = kFormat;
    Json list = Json::array();
    for (const InstalledMod& m : mods) {
        Json o = Json::object();
        o["name"] = m.name;
        o["version"] = m.version;
        o["source"] = m.source;
        o["installed"] = m.installed;
        Json fields = Json::array();
        for (const auto& f : m.fields)
            fields.push_back(Json{
                {"file", f.file}, {"record", f.record}, {"field", f.field}, {"before", f.before}, {"after", f.after}});
        o["fields"] = std::move(fields);
        Json files = Json::array();
        for (const auto& f : m.files)
            files.push_back(Json{{"file", f.file}, {"before", f.before}, {"after", f.after}});
        o["files"] = std::move(files);
        Json created = Json::array();
        for (const auto& f : m.created)
            created.push_back(Json{{"file", f.file}, {"extracted", f.after}});
        o["created"] = std::move(created);
        list.push_back(std::move(o));
    }
    j["mods"] = std::move(list);
    return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

const InstalledMod* InstalledMods::find(std::string_view name) const
{
    for (const auto& m : mods)
        if (m.name == name)
            return &m;
    return nullptr;
}

std::string fieldKey(std::string_view file, std::string_view record, std::string_view field)
{
    return common::lowerCase(std::string(file)) + '\n' + std::string(record) + '\n' + std::string(field);
}

} // namespace mods
