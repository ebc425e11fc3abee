// SPDX-License-Identifier: GPL-3.0-or-later
#include "mods/core/ModFile.h"

#include "mods/core/Base64.h"
#include "mods/core/ModError.h"

#include "common/core/FileLookup.h"
#include "common/core/ShownText.h"
#include "common/core/TextLines.h"
#include "common/core/PathText.h"

#include <algorithm>
#include <set>

namespace mods {

using Json = nlohmann::ordered_json;

namespace {

constexpr const char* kFormat = "vantor mod 1";

bool isDigits(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Dot-separated identifiers of letters, digits and hyphens.
bool isIdentifiers(std::string_view s, bool numericNoLeadingZero)
{
    if (s.empty())
        return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = s.find('.', start);
        const std::string_view part = s.substr(start, dot == std::string_view::npos ? s.npos : dot - start);
        if (part.empty() || !std::all_of(part.begin(), part.end(), [](char c) {
                return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-';
            }))
            return false;
        if (numericNoLeadingZero && isDigits(part) && part.size() > 1 && part[0] == '0')
            return false;
        if (dot == std::string_view::npos)
            return true;
        start = dot + 1;
    }
}

class Reader {
public:
    Reader(std::string shown) : shown_(std::move(shown)) {}

    [[noreturn]] void fail(const std::string& where, const std::string& reason) const
    {
        throw ModError("Mod " + shown_ + (where.empty() ? "" : ", " + where) + ": " + reason + ".");
    }

    std::string text(
        const Json& object, const char* key, const std::string& where, bool required, std::size_t limit = 4096) const
    {
        const auto it = object.find(key);
        if (it == object.end()) {
            if (required)
                fail(where, std::string("has no \"") + key + "\"");
            return {};
        }
        std::string value;
        if (it->is_string())
            value = it->get<std::string>();
        else if (it->is_number())
            value = it->dump(); // a hand-written value such as 8200
        else
            fail(where, std::string("\"") + key + "\" is not a text");
        if (value.size() > limit)
            fail(where, std::string("\"") + key + "\" is longer than " + std::to_string(limit) + " bytes");
        return value;
    }

    static Json unknownKeys(const Json& object, std::initializer_list<const char*> known)
    {
        Json out = Json::object();
        for (const auto& item : object.items())
            if (std::none_of(known.begin(), known.end(), [&](const char* k) { return item.key() == k; }))
                out[item.key()] = item.value();
        return out;
    }

    FieldChange fieldChange(const Json& j, const std::string& where) const
    {
        if (!j.is_object())
            fail(where, "is not an object");
        FieldChange c;
        c.record = text(j, "record", where, true);
        c.field = text(j, "field", where, true);
        c.from = text(j, "from", where, true);
        c.to = text(j, "to", where, true);
        c.unknown = unknownKeys(j, {"record", "field", "from", "to"});
        return c;
    }

    FileChange fileChange(const Json& j, std::size_t index, std::size_t& changes) const
    {
        std::string where = "change " + std::to_string(index + 1);
        if (!j.is_object())
            fail(where, "is not an object");
        FileChange f;
        const std::string file = text(j, "file", where, true, 1024);
        const auto safe = safeGamePath(file);
        if (!safe)
            fail(where, "the file \"" + file + "\" does not lie below the game folder");
        f.file = *safe;
        where += " (" + f.file + ")";
        f.kind = text(j, "kind", where, true);
        if (f.kind == kWholeFileKind) {
            WholeFile whole;
            whole.replaces = text(j, "replaces", where, true);
            if (whole.replaces != kNewFile
                && (whole.replaces.size() != 64
                    || whole.replaces.find_first_not_of("0123456789abcdef") != std::string::npos))
                fail(where, "\"replaces\" is neither a SHA-256 in hexadecimal nor \"new\"");
            const auto content = text(j, "content", where, true, kMaxModFileBytes);
            auto bytes = base64Decode(content);
            if (!bytes)
                fail(where, "\"content\" is not base64");
            whole.content = std::move(*bytes);
            f.whole = std::move(whole);
            ++changes;
            f.unknown = unknownKeys(j, {"file", "kind", "replaces", "content"});
        } else {
            const auto it = j.find("fields");
            if (it == j.end() || !it->is_array())
                fail(where, "has no list of \"fields\"");
            std::set<std::pair<std::string, std::string>> seen;
            for (std::size_t k = 0; k < it->size(); ++k) {
                if (++changes > kMaxChanges)
                    fail("", "holds more than " + std::to_string(kMaxChanges) + " changes");
                FieldChange c = fieldChange((*it)[k], where + " field " + std::to_string(k + 1));
                if (!seen.emplace(c.record, c.field).second)
                    fail(where, "sets " + c.record + " " + c.field + " twice");
                f.fields.push_back(std::move(c));
            }
            f.unknown = unknownKeys(j, {"file", "kind", "fields"});
        }
        return f;
    }

    Mod mod(std::string_view input) const
    {
        if (input.size() > kMaxModFileBytes)
            fail("", "is larger than " + std::to_string(kMaxModFileBytes >> 20) + " MB");
        const Json j = Json::parse(input.begin(), input.end(), nullptr, false);
        if (j.is_discarded())
            fail("", "is not JSON (is it cut short?)");
        if (!j.is_object())
            fail("", "is not a JSON object");
        if (const auto format = j.find("format"); format != j.end() && *format != kFormat)
            fail("", "is of another format (" + format->dump() + "), not \"" + kFormat + "\"");
        Mod m;
        m.name = text(j, "name", "", true, 200);
        if (m.name.empty() || std::any_of(m.name.begin(), m.name.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x20 || c == '/' || c == '\\';
            }))
            fail("", "its name \"" + m.name + "\" is empty or holds a control character or slash");
        m.version = text(j, "version", "", true, 200);
        if (!isSemanticVersion(m.version))
            fail("", "its version \"" + m.version + "\" is not a semantic version such as 1.0.0");
        m.author = text(j, "author", "", false);
        m.description = text(j, "description", "", false, kMaxTextBytes);
        m.readme = text(j, "readme", "", false, kMaxTextBytes);
        m.made = text(j, "made", "", false);
        const auto changes = j.find("changes");
        if (changes == j.end() || !changes->is_array())
            fail("", "has no list of \"changes\"");
        std::size_t count = 0;
        std::set<std::string> files;
        for (std::size_t i = 0; i < changes->size(); ++i) {
            FileChange f = fileChange((*changes)[i], i, count);
            if (!files.insert(common::lowerCase(f.file)).second)
                fail("change " + std::to_string(i + 1), "names the file " + f.file + " a second time");
            m.files.push_back(std::move(f));
        }
        m.unknown = unknownKeys(j, {"format", "name", "version", "author", "description", "readme", "made", "changes"});
        return m;
    }

private:
    std::string shown_;
};

} // namespace

bool isSemanticVersion(std::string_view v)
{
    const std::size_t plus = v.find('+');
    if (plus != v.npos && !isIdentifiers(v.substr(plus + 1), false))
        return false;
    v = v.substr(0, plus);
    const std::size_t dash = v.find('-');
    if (dash != v.npos && !isIdentifiers(v.substr(dash + 1), true))
        return false;
    v = v.substr(0, dash);
    int parts = 0;
    std::size_t start = 0;
    while (start <= v.size()) {
        const std::size_t dot = std::min(v.find('.', start), v.size());
        const std::string_view n = v.substr(start, dot - start);
        if (!isDigits(n) || (n.size() > 1 && n[0] == '0'))
            return false;
        ++parts;
        start = dot + 1;
    }
    return parts == 3;
}

std::optional<std::string> safeGamePath(std::string_view path)
{
    if (path.empty() || path.size() > 1024 || path.front() == '/' || path.front() == '\\')
        return std::nullopt;
    std::string out;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find_first_of("/\\", start), path.size());
        const std::string_view name = path.substr(start, end - start);
        if (name.empty() || name == "." || name == ".." || std::any_of(name.begin(), name.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x20 || c == ':';
            }))
            return std::nullopt;
        out += (out.empty() ? "" : "/") + std::string(name);
        start = end + 1;
    }
    return out;
}

Mod readMod(std::string_view text, const std::string& shown)
{
    return Reader(shown).mod(text);
}

Mod readModFile(const std::filesystem::path& file)
{
    const std::string shown = common::shownText(common::utf8FromPath(file.filename()));
    std::error_code ec;
    if (const auto size = std::filesystem::file_size(file, ec); !ec && size > kMaxModFileBytes)
        throw ModError("Mod " + shown + ": is larger than " + std::to_string(kMaxModFileBytes >> 20) + " MB.");
    return readMod(common::readFileBytes(file), shown);
}

std::string modText(const Mod& mod)
{
    Json j = Json::object();
    j["format"] = kFormat;
    j["name"] = mod.name;
    j["version"] = mod.version;
    j["author"] = mod.author;
    j["description"] = mod.description;
    j["readme"] = mod.readme;
    j["made"] = mod.made;
    Json changes = Json::array();
    for (const FileChange& f : mod.files) {
        Json o = Json::object();
        o["file"] = f.file;
        o["kind"] = f.kind;
        if (f.whole) {
            o["replaces"] = f.whole->replaces;
            o["content"] = base64Encode(f.whole->content);
        } else {
            Json fields = Json::array();
            for (const FieldChange& c : f.fields) {
                Json fc = Json::object();
                fc["record"] = c.record;
                fc["field"] = c.field;
                fc["from"] = c.from;
                fc["to"] = c.to;
                fc.update(c.unknown);
                fields.push_back(std::move(fc));
            }
            o["fields"] = std::move(fields);
        }
        o.update(f.unknown);
        changes.push_back(std::move(o));
    }
    j["changes"] = std::move(changes);
    j.update(mod.unknown);
    // Replacement characters keep a stranger's invalid UTF-8 from throwing.
    return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace mods
