// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlightCommands.h"

#include "CommandLine.h"
#include "CsvTable.h"
#include "JsonText.h"

#include "wingsmith/core/AircraftFiles.h"
#include "wingsmith/core/AircraftValues.h"
#include "wingsmith/core/FieldCodes.h"
#include "wingsmith/core/FieldText.h"
#include "wingsmith/core/FlightImport.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/RecordFields.h"

#include "common/core/LittleEndian.h"
#include "common/core/TextLines.h"
#include "common/core/PathText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>

namespace vantorcli {

using namespace wingsmith;

namespace {

const std::string kAircraftColumn = "aircraft";

// A field of either table, and which one it belongs to.
struct AnyField {
    const RecordField* field;
    bool gunTable;
};

// Export order: the flight record's fields, then the gun-table row's.
std::vector<AnyField> allFields(const AircraftCatalogue& catalogue)
{
    std::vector<AnyField> fields;
    for (const RecordField& f : catalogue.fields(RecordKind::FlightRecord))
        fields.push_back({&f, false});
    for (const RecordField& f : catalogue.fields(RecordKind::GunTableRow))
        fields.push_back({&f, true});
    return fields;
}

// The bytes that hold a field of an aircraft.
std::span<const std::uint8_t> bytesOf(const AircraftFiles& files, int p, const AnyField& f)
{
    return f.gunTable ? files.row(p) : files.record(p);
}

// The text of a field for an aircraft; empty when its gun group is not in use.
std::string valueOf(const AircraftFiles& files, int p, const AnyField& f)
{
    if (!fieldInUse(*f.field, files.groupCount(p)))
        return {};
    return fieldText(bytesOf(files, p, f), *f.field);
}

int positionArgument(const std::string& name)
{
    const int p = aircraftPosition(name);
    if (p < 0)
        throw Refusal("no aircraft is named " + shown(name));
    return p;
}

AircraftFiles readGame(const std::string& game)
{
    return readAircraftFiles(game);
}

// A number where JSON has one; -0 and what is not finite as text.
nlohmann::json jsonValue(const std::string& text, const RecordField& field)
{
    if (field.type == FieldType::Float || field.type == FieldType::Bits) {
        const float v = exactFloatFromText(text);
        if (!std::isfinite(v) || (std::signbit(v) && v == 0))
            return text;
        return static_cast<double>(v);
    }
    return static_cast<double>(std::stoll(text));
}

} // namespace

int flightExport(const CommandArguments& arguments)
{
    return flightExport(arguments, AircraftCatalogue::program());
}

int flightExport(const CommandArguments& arguments, const AircraftCatalogue& catalogue)
{
    const std::string format = lowerCase(*arguments.value("format"));
    if (format != "csv" && format != "json")
        throw UsageError("--format takes csv or json");
    std::vector<int> positions;
    if (const auto names = arguments.values("aircraft"); !names.empty()) {
        for (const std::string& name : names) {
            const int p = positionArgument(name);
            if (std::find(positions.begin(), positions.end(), p) == positions.end())
                positions.push_back(p);
        }
    } else {
        for (int p = 0; p < kAircraftCount; ++p)
            positions.push_back(p);
    }
    const AircraftFiles files = readGame(arguments.positional(0));
    const auto fields = allFields(catalogue);

    if (format == "csv") {
        std::vector<std::string> header{kAircraftColumn};
        for (const AnyField& f : fields)
            header.push_back(f.field->name);
        std::string out = csvLine(header);
        for (int p : positions) {
            std::vector<std::string> line{std::string(rosterByPosition(p).caption)};
            for (const AnyField& f : fields)
                line.push_back(valueOf(files, p, f));
            out += csvLine(line);
        }
        writeStandardOutput(out);
        return 0;
    }

    nlohmann::json aircraft = nlohmann::json::array();
    for (int p : positions) {
        nlohmann::json object = nlohmann::json::object();
        object[kAircraftColumn] = std::string(rosterByPosition(p).caption);
        for (const AnyField& f : fields) {
            const std::string text = valueOf(files, p, f);
            if (!text.empty())
                object[f.field->name] = jsonValue(text, *f.field);
        }
        aircraft.push_back(std::move(object));
    }
    writeStandardOutput(jsonText(aircraft));
    return 0;
}

namespace {

std::vector<ImportRow> rowsFromCsv(const std::string& text)
{
    std::vector<CsvLine> lines;
    try {
        lines = parseCsv(text);
    } catch (const std::runtime_error& e) {
        throw FlightImportError(e.what());
    }
    // Nothing at all is not a table of no changes: a command that failed
    // before the pipe gives this.
    if (lines.empty())
        throw FlightImportError("it is empty, so it has no column named aircraft");
    const auto& header = lines.front().fields;
    std::size_t aircraftColumn = header.size();
    std::set<std::string> columns;
    for (std::size_t c = 0; c < header.size(); ++c) {
        // A second column of one name would overwrite the first unseen.
        if (!columns.insert(header[c]).second)
            throw FlightImportError("row 1: column " + header[c] + " is given twice");
        if (header[c] == kAircraftColumn)
            aircraftColumn = c;
    }
    if (aircraftColumn == header.size()) {
        // Spreadsheets set to a decimal comma save with semicolons.
        const bool semicolons = std::any_of(
            header.begin(), header.end(), [](const std::string& name) { return name.find(';') != std::string::npos; });
        throw FlightImportError(
            semicolons ? "row 1: the separator is ';' where ',' is expected" : "row 1: no column named aircraft");
    }
    std::vector<ImportRow> rows;
    for (std::size_t n = 1; n < lines.size(); ++n) {
        const CsvLine& line = lines[n];
        ImportRow row;
        row.where = "row " + std::to_string(line.number);
        if (line.fields.size() > header.size())
            throw FlightImportError(row.where + ": more values than columns");
        for (std::size_t c = 0; c < header.size(); ++c) {
            const std::string value = c < line.fields.size() ? line.fields[c] : std::string();
            if (c == aircraftColumn)
                row.aircraft = value;
            else
                row.values.emplace_back(header[c], value);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

// A JSON object keeps the last of two equal keys unseen, so the text itself
// is read for the keys of each object of the top-level array, as written.
void refuseRepeatedJsonKeys(const std::string& text)
{
    std::vector<char> open;
    std::vector<std::set<std::string>> keys;
    int row = 0;
    bool expectKey = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            const std::size_t start = ++i;
            while (i < text.size() && text[i] != '"')
                i += text[i] == '\\' ? 2 : 1;
            if (expectKey && open.size() == 2) {
                const std::string key = text.substr(start, i - start);
                if (!keys.back().insert(key).second)
                    throw FlightImportError("row " + std::to_string(row) + ": field " + key + " is given twice");
            }
            expectKey = false;
        } else if (c == '{' || c == '[') {
            open.push_back(c);
            expectKey = c == '{';
            if (c == '{' && open.size() == 2) {
                ++row;
                keys.emplace_back();
            }
        } else if (c == '}' || c == ']') {
            if (!open.empty())
                open.pop_back();
        } else if (c == ',') {
            expectKey = !open.empty() && open.back() == '{';
        }
    }
}

std::vector<ImportRow> rowsFromJson(const std::string& text)
{
    nlohmann::json document;
    try {
        document = nlohmann::json::parse(text);
    } catch (const nlohmann::json::parse_error& e) {
        // The reason without the library's prefix and line and column.
        std::string why = e.what();
        if (const auto at = why.find(": "); at != std::string::npos)
            why.erase(0, at + 2);
        throw FlightImportError("not JSON: " + why + " at character " + std::to_string(e.byte));
    }
    if (!document.is_array())
        throw FlightImportError("the JSON is not an array of aircraft");
    refuseRepeatedJsonKeys(text);
    std::vector<ImportRow> rows;
    int n = 0;
    for (const nlohmann::json& entry : document) {
        ImportRow row;
        row.where = "row " + std::to_string(++n);
        if (!entry.is_object())
            throw FlightImportError(row.where + ": not an object");
        for (auto it = entry.begin(); it != entry.end(); ++it) {
            const std::string& key = it.key();
            const nlohmann::json& v = it.value();
            std::string value;
            if (v.is_string()) {
                value = v.get<std::string>();
            } else if (v.is_number()) {
                char digits[32];
                std::snprintf(digits, sizeof digits, "%.17g", v.get<double>());
                value = digits;
            } else if (!v.is_null()) {
                throw FlightImportError(row.where + ", field " + key + ": not a number or text");
            }
            if (key == kAircraftColumn)
                row.aircraft = value;
            else
                row.values.emplace_back(key, value);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

// Names the first few values of `changes` that look rounded by a
// spreadsheet, and how many there are; empty when none does.
std::string roundedValues(const std::vector<FieldChange>& changes)
{
    constexpr std::size_t kNamed = 2; // the line stays short
    std::vector<std::string> named;
    std::size_t count = 0;
    for (const FieldChange& c : changes) {
        if (!c.looksRounded)
            continue;
        if (++count <= kNamed)
            named.push_back(std::string(rosterByPosition(c.position).caption) + " " + c.field->name + " (" + c.before
                + " -> " + c.after + ")");
    }
    if (count == 0)
        return {};
    std::string text
        = std::to_string(count) + (count == 1 ? " value looks" : " values look") + " rounded by a spreadsheet: ";
    for (std::size_t n = 0; n < named.size(); ++n)
        text += (n == 0 ? "" : n + 1 == named.size() && count == named.size() ? " and " : ", ") + named[n];
    if (count > named.size())
        text += " and " + std::to_string(count - named.size()) + " more";
    return text;
}

std::string changeLine(const FieldChange& c, const AircraftFiles& files)
{
    const RosterRow& row = rosterByPosition(c.position);
    const std::string file = c.gunTable
        ? common::utf8FromPath(files.gunTablePath.filename())
        : common::utf8FromPath(files.recordPaths[static_cast<std::size_t>(c.position)].filename());
    return std::string(row.caption) + " (" + file + ") " + c.field->name + ": " + c.before + " -> " + c.after + "\n";
}

} // namespace

int flightImport(const CommandArguments& arguments)
{
    return flightImport(arguments, AircraftCatalogue::program());
}

int flightImport(const CommandArguments& arguments, const AircraftCatalogue& catalogue)
{
    const auto tablePath = toPath(arguments.positional(0));
    std::string text = readInput(tablePath);
    // Spreadsheets begin "CSV UTF-8" with a byte-order mark.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.erase(0, 3);
    const AircraftFiles files = readGame(arguments.positional(1));

    std::vector<FieldChange> changes;
    try {
        std::size_t start = 0;
        while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start])))
            ++start;
        const bool json = start < text.size() && (text[start] == '[' || text[start] == '{');
        changes = planFlightImport(files, json ? rowsFromJson(text) : rowsFromCsv(text), catalogue);
    } catch (const FlightImportError& e) {
        throw Refusal(aboutFile(tablePath, e.what()));
    }
    if (const std::string rounded = roundedValues(changes); !rounded.empty()) {
        if (arguments.isSet("strict"))
            throw Refusal(aboutFile(tablePath, rounded + "; nothing was changed"));
        writeStandardError(
            "vantor: " + aboutFile(tablePath, rounded + "; imported as given (--strict refuses them)") + "\n");
    }
    std::string out;
    for (const FieldChange& c : changes)
        out += changeLine(c, files);
    if (!arguments.isSet("dry-run"))
        applyFlightImport(files, changes, catalogue);
    writeStandardOutput(out);
    return 0;
}

namespace {

// The name of a coded value, as the pages' lists show it; a float kept as
// its pattern is named by its 32 bits.
std::string codeNameOf(const RecordField& field, std::span<const std::uint8_t> bytes)
{
    if (!field.codes)
        return {};
    const std::int64_t value
        = field.type == FieldType::Bits ? common::le::getU32(bytes, field.offset) : fieldInteger(bytes, field);
    const char* name = wingsmith::codeName(*field.codes, value);
    return name ? name : "";
}

} // namespace

int flightShow(const CommandArguments& arguments)
{
    return flightShow(arguments, AircraftCatalogue::program());
}

int flightShow(const CommandArguments& arguments, const AircraftCatalogue& catalogue)
{
    const int p = positionArgument(arguments.positional(1));
    const AircraftFiles files = readGame(arguments.positional(0));
    const RosterRow& roster = rosterByPosition(p);
    std::string out = std::string(roster.caption) + " (" + std::string(roster.fltName) + ", list position "
        + std::to_string(p) + ")\n";

    const auto fields = allFields(catalogue);
    // Wingsmith's page order: stability, engine, control, guns, type, damage.
    const std::vector<std::string> order{"Flight stability data", "Engine data", "Flight control data",
        "Gun data: PLANES.DAT", "Gun data: flight record", "Aircraft type", "Damage data"};
    for (const std::string& page : order) {
        out += "\n" + page + "\n";
        for (const AnyField& f : fields) {
            if (f.field->page != page)
                continue;
            const std::string text = valueOf(files, p, f);
            if (text.empty())
                continue;
            std::string label = f.field->caption;
            if (f.field->gunGroup > 0)
                label = "Group " + std::to_string(f.field->gunGroup) + " " + label;
            std::string line = "  " + label;
            line.resize(std::max<std::size_t>(line.size() + 1, 46), ' ');
            line += text;
            const std::string name = codeNameOf(*f.field, bytesOf(files, p, f));
            if (!name.empty())
                line += " (" + name + ")";
            out += line + "\n";
        }
        if (page == "Aircraft type") {
            std::string set;
            for (const RecordField& f : catalogue.fields(RecordKind::GunTableRow))
                if (f.flagBits)
                    for (const FieldCode& bit : *f.flagBits)
                        if (fieldInteger(files.row(p), f) & bit.value)
                            set += std::string(set.empty() ? "" : ", ") + bit.name;
            out += "  Ticked: " + (set.empty() ? std::string("none") : set) + "\n";
        }
    }
    writeStandardOutput(out);
    return 0;
}

} // namespace vantorcli
