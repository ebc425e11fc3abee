#include "DiffCommand.h"

#include "CommandLine.h"
#include "JsonText.h"
#include "mods/core/InstallationFiles.h"

#include "menuwright/menufile/MenuFileReader.h"
#include "ordnix/core/LoadoutFieldPositions.h"
#include "ordnix/core/LoadoutLayout.h"
#include "ordnix/core/NameLists.h"
#include "rosterly/core/PlaneList.h"
#include "rosterly/core/SquadronFile.h"
#include "sortiekit/core/AirbaseList.h"
#include "sortiekit/core/AirfieldFile.h"
#include "sortiekit/core/BaseSlot.h"
#include "sortiekit/core/MarkedBases.h"
#include "wingsmith/core/AircraftFiles.h"
#include "wingsmith/core/FieldText.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/GamePaths.h"
#include "wingsmith/core/RecordFields.h"

#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/core/TextLines.h"

#include <algorithm>
#include <map>

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
    Comparison(fs::path a, fs::path b) : a_(std::move(a)), b_(std::move(b)) {}

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
            aircraftA_ = wingsmith::readAircraftFiles(a_.string());
            aircraftB_ = wingsmith::readAircraftFiles(b_.string());
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
            const std::string fltName = a->recordPaths[idx].filename().string();
            for (const auto& f : wingsmith::fltRecordFields())
                field(fltName, caption, f.name, text(*a, p, f, false), text(*b, p, f, false));
            const std::string planes = a->gunTablePath.filename().string();
            for (const auto& f : wingsmith::gunTableRowFields())
                field(planes, caption, f.name, text(*a, p, f, true), text(*b, p, f, true));
        }
    }

    // A gun group beyond the group count still holds bytes the game keeps:
    // they are compared too, marked as not in use.
    static std::string text(const wingsmith::AircraftFiles& files, int p, const wingsmith::RecordField& f, bool row)
    {
        const std::string value = wingsmith::fieldText(row ? files.row(p) : files.record(p), f);
        return wingsmith::fieldInUse(f, files.groupCount(p)) ? value : value + " (not in use)";
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
        const Bytes a = mods::readBytes(a_ / nameA);
        const Bytes b = mods::readBytes(b_ / nameB);
        if (a == b)
            return;
        const std::string base = lowerCase(fs::path(key).filename().string());
        Seen seen(std::min(a.size(), b.size()), false);
        if (base.rfind("loadout.", 0) == 0) {
            compareLoadout(nameA, a, b, seen);
        } else if (base.size() == 12 && base.rfind("sq", 0) == 0 && base.ends_with(".dat")) {
            compareSquadron(nameA, a, b, seen);
        } else if (base == "airfield.dat") {
            compareBases(nameA, a, b, seen);
        } else if (base.ends_with(".mnu")) {
            compareMenu(nameA, a, b, seen);
        } else if (aircraftCompared_ && key == lowerCase(std::string(wingsmith::kPlanesDatName))) {
            for (std::size_t row = 0; row < wingsmith::kAircraftCount; ++row)
                for (const auto& f : wingsmith::gunTableRowFields())
                    mark(seen, wingsmith::GunTableRow::kSize * row + f.offset, wingsmith::fieldWidth(f.type));
        } else if (aircraftCompared_ && isRosterFile(key)) {
            for (const auto& f : wingsmith::fltRecordFields())
                mark(seen, f.offset, wingsmith::fieldWidth(f.type));
        } else if (aircraftCompared_ && key == lowerCase(std::string(wingsmith::kFltCdfName))) {
            // The records both sides took from the archive were compared by field.
            for (int p = 0; p < wingsmith::kAircraftCount; ++p) {
                const auto idx = static_cast<std::size_t>(p);
                if (!aircraftA_->recordFromArchive[idx] || !aircraftB_->recordFromArchive[idx])
                    continue;
                const std::size_t start = wingsmith::kFltCdfRecords
                    + wingsmith::FltRecord::kSize
                        * static_cast<std::size_t>(wingsmith::rosterByPosition(p).archiveIndex);
                for (const auto& f : wingsmith::fltRecordFields())
                    mark(seen, start + f.offset, wingsmith::fieldWidth(f.type));
            }
        } else if (aircraftCompared_ && key == lowerCase(std::string(wingsmith::kDataCdfName))
            && aircraftA_->gunTableFromArchive && aircraftB_->gunTableFromArchive) {
            for (std::size_t row = 0; row < wingsmith::kAircraftCount; ++row)
                for (const auto& f : wingsmith::gunTableRowFields())
                    mark(seen, wingsmith::kDataCdfGunTable + wingsmith::GunTableRow::kSize * row + f.offset,
                        wingsmith::fieldWidth(f.type));
        }
        otherBytes(nameA, a, b, seen);
    }

    static bool isRosterFile(const std::string& key)
    {
        for (int p = 0; p < wingsmith::kAircraftCount; ++p)
            if (key == lowerCase(std::string(wingsmith::rosterByPosition(p).fltName)))
                return true;
        return false;
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

    // The named bytes of the loadout records and of the option blocks, as
    // the editor reads them.
    void compareLoadout(const std::string& file, const Bytes& a, const Bytes& b, Seen& seen)
    {
        if (a.size() < ordnix::kRecordsEnd || b.size() < ordnix::kRecordsEnd)
            return;
        const ordnix::NameLists lists = ordnix::LoadLists(b_ / fs::path(file).parent_path());
        const auto named = [&](const std::string& item, const std::vector<ordnix::NamedPosition>& fields) {
            for (const ordnix::NamedPosition& f : fields) {
                const std::size_t at = f.position - 1;
                mark(seen, at, 1);
                field(file, item, f.field, std::to_string(a[at]), std::to_string(b[at]));
            }
        };
        std::size_t codes = lists.planes.count();
        for (std::size_t i = 0; i < ordnix::kRecordCount; ++i) {
            const std::uint8_t code = b[ordnix::RecordStart(i) - 1];
            codes = std::max<std::size_t>(codes, std::max(code, a[ordnix::RecordStart(i) - 1]) + 1u);
            named("record " + std::to_string(i) + " (" + lists.planes.nameOf(code, std::to_string(code)) + ")",
                ordnix::RecordFieldPositions(i));
        }
        // One option block per aircraft code, as far as both files reach.
        for (std::size_t p = 0; p < codes && ordnix::LastOptionPosition(p) <= std::min(a.size(), b.size()); ++p)
            named("options of code " + std::to_string(p) + " ("
                    + lists.planes.nameOf(static_cast<double>(p), std::to_string(p)) + ")",
                ordnix::MissionFieldPositions(p));
    }

    void compareSquadron(const std::string& file, const Bytes& a, const Bytes& b, Seen& seen)
    {
        rosterly::PlaneList planes;
        if (const auto list = common::findNoCase(b_ / fs::path(file).parent_path(), "planes.txt")) {
            try {
                planes = rosterly::PlaneList::load(*list);
            } catch (const common::IoError&) {
                // Codes without names then.
            }
        }
        const auto codes = [](const Bytes& bytes) {
            std::vector<std::uint8_t> out;
            for (int k = 0; k < rosterly::SquadronFile::recordCount(bytes.size()); ++k)
                out.push_back(bytes[rosterly::SquadronFile::codeOffset(k)]);
            return out;
        };
        const auto ca = codes(a), cb = codes(b);
        for (std::size_t k = 0; k < std::min(ca.size(), cb.size()); ++k)
            mark(seen, rosterly::SquadronFile::codeOffset(static_cast<int>(k)), 1);
        for (std::size_t k = 0; k < std::max(ca.size(), cb.size()); ++k) {
            const auto name = [&](const std::vector<std::uint8_t>& c) {
                return k < c.size() ? std::to_string(c[k]) + " (" + planes.recordName(c[k]) + ")" : "(no record)";
            };
            field(file, "record " + std::to_string(k + 1), "aircraft", name(ca), name(cb));
        }
    }

    void compareBases(const std::string& file, const Bytes& a, const Bytes& b, Seen& seen)
    {
        const auto ma = sortiekit::markedBases(a), mb = sortiekit::markedBases(b);
        // The slot values, and the byte after them, of every base on either side.
        for (const auto* marked : {&ma, &mb})
            for (const auto& slot : *marked)
                for (int k : slot)
                    mark(seen,
                        sortiekit::AirfieldFile::kHeaderSize
                            + sortiekit::AirfieldFile::kRecordSize * static_cast<std::size_t>(k),
                        9);
        const auto names = [](const std::vector<int>& numbers) {
            std::string s;
            for (int n : numbers)
                s += (s.empty() ? "" : ", ") + std::to_string(n);
            return s.empty() ? std::string("none") : s;
        };
        // The two Luftwaffe slots share their value: one entry for both.
        for (std::size_t s = 0; s < 3; ++s)
            field(file, s < 2 ? sortiekit::kBaseSlots[s].heading : "Luftwaffe Bases", "airfield", names(ma[s]),
                names(mb[s]));
    }

    void compareMenu(const std::string& file, const Bytes& a, const Bytes& b, Seen& seen)
    {
        const auto ma = menuwright::readMenuFile(a), mb = menuwright::readMenuFile(b);
        if (!ma || !mb)
            return;
        // Reading back covers every byte of the file.
        mark(seen, 0, seen.size());
        field(file, "picture", "name", ma->pictureName, mb->pictureName);
        for (std::size_t i = 0; i < std::max(ma->buttons.size(), mb->buttons.size()); ++i) {
            const std::string item = "button " + std::to_string(i + 1);
            const auto get = [&](const menuwright::MenuFileContents& m, auto member) {
                return i < m.buttons.size() ? member(m.buttons[i]) : std::string("(no button)");
            };
            field(file, item, "id", get(*ma, [](const auto& x) { return std::to_string(x.id); }),
                get(*mb, [](const auto& x) { return std::to_string(x.id); }));
            field(file, item, "caption", get(*ma, [](const auto& x) { return x.caption; }),
                get(*mb, [](const auto& x) { return x.caption; }));
            field(file, item, "L", get(*ma, [](const auto& x) { return std::to_string(x.L); }),
                get(*mb, [](const auto& x) { return std::to_string(x.L); }));
            field(file, item, "T", get(*ma, [](const auto& x) { return std::to_string(x.T); }),
                get(*mb, [](const auto& x) { return std::to_string(x.T); }));
            field(file, item, "W", get(*ma, [](const auto& x) { return std::to_string(x.W); }),
                get(*mb, [](const auto& x) { return std::to_string(x.W); }));
            field(file, item, "H", get(*ma, [](const auto& x) { return std::to_string(x.H); }),
                get(*mb, [](const auto& x) { return std::to_string(x.H); }));
        }
    }

    fs::path a_, b_;
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
    const auto differences = Comparison(a, b).run();
    writeStandardOutput(format == "json" ? differencesJson(differences) : humanText(differences));
    return differences.empty() ? 0 : 1;
}

} // namespace vantorcli
