// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiffCommand.h"

#include "CommandLine.h"
#include "JsonText.h"
#include "mods/core/GameFileKinds.h"
#include "mods/core/InstallationFiles.h"

#include "wingsmith/core/AircraftFiles.h"
#include "wingsmith/core/FieldText.h"
#include "wingsmith/core/FlightFileCatalogue.h"
#include "wingsmith/core/GamePaths.h"

#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/core/TextLines.h"
#include "common/core/PathText.h"

#include <algorithm>
#include <map>
#include <memory>
#include <span>

namespace vantorcli {

namespace fs = std::filesystem;

namespace {

// One difference: a field of an item of a file, a file on one side only
// ("only"), or a file whose bytes differ where no field tells ("bytes").
struct Difference {
    std::string kind; // "field", "only", "bytes"
    std::string file;
    std::string item;
    std::string field;
    std::string a;
    std::string b;
    // "bytes": the offsets that differ, as runs of first and last offset.
    std::vector<std::pair<std::size_t, std::size_t>> runs;
};

using Bytes = std::vector<std::uint8_t>;

class Comparison {
public:
    Comparison(fs::path a, fs::path b, const wingsmith::AircraftCatalogue& aircraft)
        : a_(std::move(a))
        , b_(std::move(b))
        , aircraft_(aircraft)
        , flightFiles_(wingsmith::FlightFileCatalogue::of(aircraft))
    {
    }

    std::vector<Difference> run()
    {
        const auto filesA = mods::listInstallationFiles(a_);
        const auto filesB = mods::listInstallationFiles(b_);
        compareAircraft();
        for (const auto& [key, name] : filesA)
            if (!filesB.count(key))
                out_.push_back({"only", name, "", "", "present", "", {}});
        for (const auto& [key, name] : filesB)
            if (!filesA.count(key))
                out_.push_back({"only", name, "", "", "", "present", {}});
        for (const auto& [key, nameA] : filesA) {
            const auto other = filesB.find(key);
            if (other != filesB.end())
                compareFile(key, nameA, other->second);
        }
        return std::move(out_);
    }

private:
    void field(const std::string& file, const std::string& item, const std::string& name, const std::string& a,
        const std::string& b)
    {
        if (a != b)
            out_.push_back({"field", file, item, name, a, b, {}});
    }

    void compareAircraft()
    {
        try {
            aircraftA_ = wingsmith::readAircraftFiles(common::utf8FromPath(a_));
            aircraftB_ = wingsmith::readAircraftFiles(common::utf8FromPath(b_));
        } catch (const common::IoError&) {
            aircraftA_.reset();
            return; // not both installations hold the aircraft; their files compare by bytes
        }
        aircraftCompared_ = true;
        const auto& a = aircraftA_;
        const auto& b = aircraftB_;
        for (int p = 0; p < wingsmith::kAircraftCount; ++p) {
            const auto idx = static_cast<std::size_t>(p);
            const std::string caption(wingsmith::rosterByPosition(p).caption);
            const std::string fltName = common::utf8FromPath(a->recordPaths[idx].filename());
            for (const auto& f : aircraft_.fields(wingsmith::RecordKind::FlightRecord))
                aircraftField(fltName, caption, f, a->record(p), b->record(p), a->groupCount(p), b->groupCount(p));
            const std::string planes = common::utf8FromPath(a->gunTablePath.filename());
            for (const auto& f : aircraft_.fields(wingsmith::RecordKind::GunTableRow))
                aircraftField(planes, caption, f, a->row(p), b->row(p), a->groupCount(p), b->groupCount(p));
        }
    }

    // A gun group beyond the group count still holds bytes the game keeps:
    // they are compared too, marked as not in use. A changed count alone
    // changes no other field's bytes, so it is no difference of theirs.
    void aircraftField(const std::string& file, const std::string& caption, const wingsmith::RecordField& f,
        std::span<const std::uint8_t> a, std::span<const std::uint8_t> b, int groupsA, int groupsB)
    {
        const std::string valueA = wingsmith::fieldText(a, f), valueB = wingsmith::fieldText(b, f);
        if (valueA == valueB)
            return;
        const auto shown = [&f](const std::string& value, int groups) {
            return wingsmith::fieldInUse(f, groups) ? value : value + " (not in use)";
        };
        field(file, caption, f.name, shown(valueA, groupsA), shown(valueB, groupsB));
    }

    // Bytes a comparison has looked at field by field are marked in `seen`;
    // any other byte that differs is reported as such.
    using Seen = std::vector<bool>;

    static void mark(Seen& seen, std::size_t from, std::size_t count)
    {
        for (std::size_t i = from; i < from + count && i < seen.size(); ++i)
            seen[i] = true;
    }

    void compareFile(const std::string& key, const std::string& nameA, const std::string& nameB)
    {
        const Bytes a = mods::readBytes(a_ / common::pathFromUtf8(nameA));
        const Bytes b = mods::readBytes(b_ / common::pathFromUtf8(nameB));
        if (a == b)
            return;
        const std::string base = lowerCase(common::utf8FromPath(common::pathFromUtf8(key).filename()));
        Seen seen(std::min(a.size(), b.size()), false);
        if (const auto* catalogue = fileCatalogue(base))
            compareFields(*catalogue, nameA, a, b, seen);
        else if (const auto* flight = aircraftCatalogue(key))
            markComparedAircraft(*flight, a, seen);
        otherBytes(nameA, a, b, seen);
    }

    // The catalogue of a file the aircraft were read from, at the top of
    // the installation as Wingsmith reads it.
    const wingsmith::FlightFileCatalogue* aircraftCatalogue(const std::string& key) const
    {
        if (!aircraftCompared_)
            return nullptr;
        for (const auto& c : flightFiles_)
            if (c->holds(key))
                return c.get();
        return nullptr;
    }

    // The fields the aircraft comparison above has reported: all of a loose
    // record and of planes.dat; of an archive, only what both sides took
    // from it, since a loose file stands in for its record otherwise.
    void markComparedAircraft(const wingsmith::FlightFileCatalogue& catalogue, const Bytes& a, Seen& seen) const
    {
        const std::string_view kind = catalogue.kind();
        for (const auto& place : catalogue.fields(a)) {
            const auto p = static_cast<std::size_t>(wingsmith::aircraftPosition(place.record));
            if (kind == "flight record archive"
                && !(aircraftA_->recordFromArchive[p] && aircraftB_->recordFromArchive[p]))
                continue;
            if (kind == "gun table archive" && !(aircraftA_->gunTableFromArchive && aircraftB_->gunTableFromArchive))
                continue;
            mark(seen, place.offset, place.width);
        }
    }

    // Every differing byte no field has reported, by its offset.
    void otherBytes(const std::string& file, const Bytes& a, const Bytes& b, const Seen& seen)
    {
        const bool known = std::find(seen.begin(), seen.end(), true) != seen.end();
        std::size_t count = 0;
        std::vector<std::pair<std::size_t, std::size_t>> runs;
        for (std::size_t n = 0; n < seen.size(); ++n) {
            if (seen[n] || a[n] == b[n])
                continue;
            ++count;
            if (!runs.empty() && runs.back().second + 1 == n)
                runs.back().second = n;
            else
                runs.emplace_back(n, n);
        }
        std::string detail;
        if (a.size() != b.size())
            detail = "sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size()) + " bytes";
        if (count > 0) {
            if (!detail.empty())
                detail += "; ";
            detail += std::to_string(count) + (count == 1 ? " byte differs" : " bytes differ")
                + (known ? " outside the compared fields" : "") + ", at " + offsetsText(runs);
        }
        if (!detail.empty())
            out_.push_back({"bytes", file, detail, "", "", "", std::move(runs)});
    }

    static std::string offsetsText(const std::vector<std::pair<std::size_t, std::size_t>>& runs)
    {
        std::string text = runs.size() == 1 && runs[0].first == runs[0].second ? "offset " : "offsets ";
        for (std::size_t r = 0; r < runs.size(); ++r) {
            text += (r > 0 ? ", " : "") + std::to_string(runs[r].first);
            if (runs[r].second != runs[r].first)
                text += "-" + std::to_string(runs[r].second);
        }
        return text;
    }

    // The catalogue of a file other than the aircraft's (which compare as
    // Wingsmith loads them, above), wherever it lies: a numbered copy of
    // loadout.dat has its layout, and a menu file may lie in a folder.
    static const common::FileCatalogue* fileCatalogue(const std::string& name)
    {
        for (const auto* c : mods::gameFileKinds()) {
            const std::string_view kind = c->kind();
            if (kind.starts_with("flight record") || kind.starts_with("gun table"))
                continue;
            if (c->holds(name) || (kind == "loadout" && name.starts_with("loadout.")))
                return c;
        }
        return nullptr;
    }

    // Every field either side holds, by record and name, in file order.
    void compareFields(
        const common::FileCatalogue& catalogue, const std::string& file, const Bytes& a, const Bytes& b, Seen& seen)
    {
        const auto placesA = catalogue.fields(a), placesB = catalogue.fields(b);
        std::map<std::pair<std::string, std::string>, const common::FieldPlace*> inA;
        for (const auto& p : placesA)
            inA[{p.record, p.field}] = &p;
        const auto shown = [&](const Bytes& bytes, const common::FieldPlace* p) {
            if (!p)
                return std::string("(none)");
            const std::string value = catalogue.text(bytes, *p);
            return p->inUse ? value : value + " (not in use)";
        };
        for (const auto& pb : placesB) {
            const auto it = inA.find({pb.record, pb.field});
            const common::FieldPlace* pa = it == inA.end() ? nullptr : it->second;
            if (pa)
                inA.erase(it);
            if (pa && pa->offset == pb.offset && pa->width == pb.width)
                mark(seen, pb.offset, pb.width);
            // A value, not whether it is in use (a count that changed).
            if (!pa || catalogue.text(a, *pa) != catalogue.text(b, pb))
                field(file, pb.record, pb.field, shown(a, pa), shown(b, &pb));
        }
        for (const auto& pa : placesA)
            if (inA.count({pa.record, pa.field}))
                field(file, pa.record, pa.field, shown(a, &pa), shown(b, nullptr));
        // Where a field's length moved the entries after it (a menu file's
        // caption), offsets no longer pair: the bytes no field covers are
        // compared in their order instead.
        if (!sameLayout(placesA, placesB)) {
            mark(seen, 0, seen.size());
            if (uncovered(placesA, a) != uncovered(placesB, b))
                out_.push_back(
                    {"bytes", file, "bytes outside the compared fields differ (the entries moved)", "", "", "", {}});
        }
    }

    static bool sameLayout(const std::vector<common::FieldPlace>& a, const std::vector<common::FieldPlace>& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
            [](const auto& x, const auto& y) { return x.offset == y.offset && x.width == y.width; });
    }

    static Bytes uncovered(const std::vector<common::FieldPlace>& places, const Bytes& bytes)
    {
        Seen covered(bytes.size(), false);
        for (const auto& p : places)
            mark(covered, p.offset, p.width);
        Bytes out;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (!covered[i])
                out.push_back(bytes[i]);
        return out;
    }

    fs::path a_, b_;
    const wingsmith::AircraftCatalogue& aircraft_;
    std::vector<std::unique_ptr<const wingsmith::FlightFileCatalogue>> flightFiles_;
    std::vector<Difference> out_;
    bool aircraftCompared_ = false;
    std::optional<wingsmith::AircraftFiles> aircraftA_, aircraftB_;
};

std::string humanText(const std::vector<Difference>& differences)
{
    std::string out;
    for (const Difference& d : differences) {
        if (d.kind == "only")
            out += "only in " + std::string(d.a.empty() ? "B" : "A") + ": " + d.file + "\n";
        else if (d.kind == "bytes")
            out += d.file + ": " + d.item + "\n";
        else
            out += d.file + ": " + d.item + " " + d.field + ": " + d.a + " -> " + d.b + "\n";
    }
    return out;
}

std::string differencesJson(const std::vector<Difference>& differences)
{
    nlohmann::json array = nlohmann::json::array();
    for (const Difference& d : differences) {
        nlohmann::json o = nlohmann::json::object();
        o["kind"] = d.kind;
        o["file"] = d.file;
        if (d.kind == "only") {
            o["side"] = d.a.empty() ? "B" : "A";
        } else if (d.kind == "bytes") {
            o["detail"] = d.item;
            nlohmann::json runs = nlohmann::json::array();
            for (const auto& [first, last] : d.runs)
                runs.push_back(nlohmann::json::array({static_cast<double>(first), static_cast<double>(last)}));
            o["offsets"] = std::move(runs);
        } else {
            o["item"] = d.item;
            o["field"] = d.field;
            o["a"] = d.a;
            o["b"] = d.b;
        }
        array.push_back(std::move(o));
    }
    return jsonText(array);
}

} // namespace

int diff(const CommandArguments& arguments)
{
    return diff(arguments, wingsmith::AircraftCatalogue::program());
}

int diff(const CommandArguments& arguments, const wingsmith::AircraftCatalogue& aircraft)
{
    const std::string format = lowerCase(*arguments.value("format"));
    if (format != "text" && format != "json")
        throw UsageError("--format takes text or json");
    const fs::path a = toPath(arguments.positional(0));
    const fs::path b = toPath(arguments.positional(1));
    for (const fs::path& dir : {a, b}) {
        std::error_code ec;
        if (!fs::is_directory(dir, ec))
            throw Refusal(aboutFile(dir, "File not found"));
    }
    const auto differences = Comparison(a, b, aircraft).run();
    writeStandardOutput(format == "json" ? differencesJson(differences) : humanText(differences));
    return differences.empty() ? 0 : 1;
}

} // namespace vantorcli
