// SPDX-License-Identifier: GPL-3.0-or-later
// vantor diff on two demo installations that differ where each case says.
#include "DemoGameTest.h"

#include "menuwright/menufile/MenuFileWriter.h"
#include "mods/core/GameFileKinds.h"
#include "rosterly/core/SquadronFile.h"
#include "tools/demogen/OrdnixDemo.h"
#include "wingsmith/core/FieldText.h"
#include "wingsmith/core/FltRecord.h"

#include "common/core/LittleEndian.h"
#include "common/core/TextLines.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <bit>
#include <functional>
#include <map>

namespace vantorcli {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// P-38H, list position 0, archive record 21; two gun groups in use.
constexpr std::size_t kP38hArchiveIndex = 21;

struct DiffCase {
    const char* name;
    // Changes the files of side B (side A passed for reading).
    std::function<void(const fs::path& a, const fs::path& b)> change;
    std::function<std::vector<std::string>(const fs::path& a)> lines;
};

void PrintTo(const DiffCase& c, std::ostream* os)
{
    *os << c.name;
}

void editFile(const fs::path& path, const std::function<void(Bytes&)>& edit)
{
    Bytes bytes = common::readAllBytes(path);
    edit(bytes);
    common::writeAllBytes(path, bytes);
}

const std::vector<DiffCase>& diffCases()
{
    static const std::vector<DiffCase> cases{
        {"FlightRecordGroupBeyondTheCount",
            [](const fs::path&, const fs::path& b) {
                editFile(b / "P38H.FLT", [](Bytes& r) { common::le::putU32(r, 816, 0x3E800100u); });
            },
            [](const fs::path& a) {
                const float before = common::le::getF32(common::readAllBytes(a / "P38H.FLT"), 816);
                return std::vector<std::string>{"P38H.FLT: P-38H gun6.firstPairX: " + wingsmith::exactFloatText(before)
                    + " (not in use) -> " + wingsmith::exactFloatText(std::bit_cast<float>(0x3E800100u))
                    + " (not in use)"};
            }},
        {"GunTableGroupBeyondTheCount",
            [](const fs::path&, const fs::path& b) { editFile(b / "planes.dat", [](Bytes& t) { t.at(153) = 1; }); },
            [](const fs::path&) {
                return std::vector<std::string>{"planes.dat: P-38H gun6.guns: 0 (not in use) -> 256 (not in use)"};
            }},
        // P-38H's third group comes into use: its values are the same bytes
        // on both sides, so only the count differs.
        {"GroupCountAlone",
            [](const fs::path&, const fs::path& b) {
                editFile(
                    b / "planes.dat", [](Bytes& t) { common::le::putI16(t, wingsmith::GunTableRow::kGroupCount, 3); });
            },
            [](const fs::path&) { return std::vector<std::string>{"planes.dat: P-38H gunGroupCount: 2 -> 3"}; }},
        {"FlightRecordBytesNoFieldHolds",
            [](const fs::path&, const fs::path& b) {
                editFile(b / "P38H.FLT", [](Bytes& r) {
                    for (std::size_t at : {1230u, 1231u, 1240u})
                        r.at(at) ^= 0xFF;
                });
            },
            [](const fs::path&) {
                return std::vector<std::string>{
                    "P38H.FLT: 3 bytes differ outside the compared fields, at offsets 1230-1231, 1240"};
            }},
        {"LoadoutMissionOptions",
            [](const fs::path&, const fs::path& b) {
                editFile(b / "loadout.dat", [](Bytes& l) {
                    l.at(7932 - 1) = 200; // escort count of code 0
                    l.at(8106 - 1) = 201; // interdiction option 6 of code 2
                });
            },
            [](const fs::path& a) {
                const Bytes l = common::readAllBytes(a / "loadout.dat");
                // Named as mods name them; an option beyond its mission's count is kept but not offered.
                return std::vector<std::string>{
                    "loadout.dat: options 0 escort.count: " + std::to_string(l.at(7931)) + " -> 200",
                    "loadout.dat: options 2 interdiction.option6: " + std::to_string(l.at(8105))
                        + " (not in use) -> 201 (not in use)"};
            }},
        {"SquadronRecord",
            [](const fs::path&, const fs::path& b) {
                editFile(b / "sqUS0001.dat", [](Bytes& q) { q.at(rosterly::SquadronFile::codeOffset(2)) = 7; });
            },
            [](const fs::path& a) {
                const Bytes q = common::readAllBytes(a / "sqUS0001.dat");
                return std::vector<std::string>{"sqUS0001.dat: record 3 aircraft: "
                    + std::to_string(q.at(rosterly::SquadronFile::codeOffset(2))) + " -> 7"};
            }},
        // A longer caption moves every entry after it: the fields still
        // compare by name, and the bytes between them (its length byte
        // among them) in their order.
        {"MenuCaptionOfAnotherLength",
            [](const fs::path& a, const fs::path& b) {
                menuwright::HangarLayout hangar;
                for (std::size_t i = 0; i < hangar.rows.size(); ++i)
                    hangar.rows[i]
                        = {menuwright::HangarLayout::defaultCaptions()[i], "10", std::to_string(40 * i), "50", "20"};
                menuwright::writeHangarFile(a / "hangarus.mnu", hangar);
                hangar.rows[1].caption = "Arming Board and Bombs";
                hangar.rows[3].L = "12";
                menuwright::writeHangarFile(b / "hangarus.mnu", hangar);
            },
            [](const fs::path&) {
                return std::vector<std::string>{
                    "hangarus.mnu: button 2 caption: Arming Board -> Arming Board and Bombs",
                    "hangarus.mnu: button 4 L: 10 -> 12",
                    "hangarus.mnu: bytes outside the compared fields differ (the entries moved)",
                    "hangarus.mnu: sizes 172 and 182 bytes"};
            }},
        {"LoadoutBytesNoFieldHolds",
            [](const fs::path&, const fs::path& b) {
                editFile(b / "loadout.dat", [](Bytes& l) {
                    l.at(7924) ^= 0xFF; // between the records and the option blocks
                    l.at(7928) ^= 0xFF; // an option entry's first byte
                });
            },
            [](const fs::path&) {
                return std::vector<std::string>{
                    "loadout.dat: 2 bytes differ outside the compared fields, at offsets 7924, 7928"};
            }},
        {"ArchivesComparedByField",
            [](const fs::path&, const fs::path& b) {
                // P-51D's best altitude in FLT.CDF (record 24), and a byte
                // of DATA.CDF: the gun table there is not the one in use.
                editFile(b / "FLT.CDF", [](Bytes& cdf) {
                    common::le::putF32(cdf, wingsmith::kFltCdfRecords + wingsmith::FltRecord::kSize * 24 + 4, 7777.25f);
                });
                editFile(b / "DATA.CDF", [](Bytes& cdf) { cdf.at(wingsmith::kDataCdfGunTable + 100) ^= 0xFF; });
            },
            [](const fs::path&) {
                return std::vector<std::string>{"P51D.FLT: P-51D engineBestAltitude: 7900 -> 7777.25",
                    "DATA.CDF: 1 byte differs, at offset " + std::to_string(wingsmith::kDataCdfGunTable + 100)};
            }},
        {"FilesOfDifferentSizes",
            [](const fs::path& a, const fs::path& b) {
                common::writeAllBytes(a / "notes.bin", {1, 2, 3});
                common::writeAllBytes(b / "notes.bin", {1, 9, 3, 4});
            },
            [](const fs::path&) {
                return std::vector<std::string>{"notes.bin: sizes 3 and 4 bytes; 1 byte differs, at offset 1"};
            }},
        {"ScratchFilesOfTheFileLayer",
            [](const fs::path&, const fs::path& b) {
                common::writeAllText(b / ".airfield.dat.vtmp-Xy12Zq", "left by a kill");
                common::writeAllText(b / ".vantor-journal", "journal");
                fs::create_directories(b / "Nimbar");
                common::writeAllText(b / "Nimbar" / ".planes.txt.vtmp-a1b2c3", "left by a kill");
            },
            [](const fs::path&) { return std::vector<std::string>{}; }},
    };
    return cases;
}

class Diff : public testing::DemoGameTest, public ::testing::WithParamInterface<DiffCase> {
protected:
    fs::path copy = work / "copy";

    // Both sides hold P-38H's loose flight record and planes.dat, as after
    // Wingsmith's start-up, so that the loose files are what is compared.
    void SetUp() override
    {
        DemoGameTest::SetUp();
        const Bytes flt = common::readAllBytes(game / "FLT.CDF");
        const auto at
            = static_cast<std::ptrdiff_t>(wingsmith::kFltCdfRecords + wingsmith::FltRecord::kSize * kP38hArchiveIndex);
        common::writeAllBytes(
            game / "P38H.FLT", Bytes(flt.begin() + at, flt.begin() + at + wingsmith::FltRecord::kSize));
        const Bytes data = common::readAllBytes(game / "DATA.CDF");
        const auto table = static_cast<std::ptrdiff_t>(wingsmith::kDataCdfGunTable);
        common::writeAllBytes(
            game / "planes.dat", Bytes(data.begin() + table, data.begin() + table + wingsmith::kGunTableSize));
        fs::copy(game, copy, fs::copy_options::recursive);
    }
};

TEST_P(Diff, ReportsEveryDifferingByteAndNothingElse)
{
    GetParam().change(game, copy);
    const auto expected = GetParam().lines(game);
    const auto run = vantor({"diff", "game", "copy"});
    EXPECT_EQ(run.exitCode, expected.empty() ? 0 : 1) << run.standardError;
    EXPECT_EQ(common::splitTextLines(run.standardOutput), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Diff, ::testing::ValuesIn(diffCases()),
    [](const ::testing::TestParamInfo<DiffCase>& info) { return std::string(info.param.name); });

// Every byte of every file the catalogues know, changed, is reported: under
// the field that holds it, or among the bytes outside the fields by its
// offset, and nothing else is. Each trial changes every fourth byte of one
// file, so that no two changed bytes share a field and the file keeps its
// shape. Of an archive, the part the fields lie in and a little around it:
// the rest of it compares as any uncatalogued bytes do.
TEST_F(Diff, EveryChangedByteOfACataloguedFileIsNamed)
{
    constexpr std::size_t kStride = 4;
    std::vector<fs::path> catalogued;
    for (const auto& entry : fs::recursive_directory_iterator(game))
        if (entry.is_regular_file() && mods::catalogueFor(fs::relative(entry.path(), game)))
            catalogued.push_back(fs::relative(entry.path(), game));
    ASSERT_GE(catalogued.size(), 6u);
    for (const fs::path& name : catalogued) {
        const Bytes original = common::readAllBytes(game / name);
        const auto* catalogue = mods::catalogueFor(name);
        std::size_t first = 0, last = original.size();
        if (const auto places = catalogue->fields(original); original.size() > 65536 && !places.empty()) {
            first = places.front().offset - std::min<std::size_t>(places.front().offset, 64);
            last = std::min(original.size(), places.back().offset + places.back().width + 64);
        }
        for (std::size_t phase = 0; phase < kStride; ++phase) {
            SCOPED_TRACE(name.string() + ", bytes " + std::to_string(phase) + " + 4n");
            Bytes changed = original;
            std::vector<bool> flipped(changed.size(), false);
            for (std::size_t i = first + phase; i < last; i += kStride) {
                changed[i] ^= 0x5A;
                flipped[i] = true;
            }
            common::writeAllBytes(copy / name, changed);
            const auto run = vantor({"diff", "game", "copy", "--format", "json"});
            common::writeAllBytes(copy / name, original);
            ASSERT_EQ(run.exitCode, 1) << run.standardError;
            std::vector<bool> named(changed.size(), false);
            std::map<std::pair<std::string, std::string>, common::FieldPlace> places;
            for (auto& place : catalogue->fields(changed))
                places.emplace(std::pair(place.record, place.field), place);
            const QJsonArray all = QJsonDocument::fromJson(QByteArray::fromStdString(run.standardOutput)).array();
            for (const auto& value : all) {
                const QJsonObject d = value.toObject();
                if (d.value("kind").toString() == "bytes") {
                    EXPECT_EQ(d.value("file").toString().toStdString(), name.generic_string());
                    for (const auto& r : d.value("offsets").toArray()) {
                        for (auto i = static_cast<std::size_t>(r.toArray().at(0).toDouble());
                             i <= static_cast<std::size_t>(r.toArray().at(1).toDouble()); ++i) {
                            ASSERT_LT(i, changed.size());
                            EXPECT_TRUE(flipped[i]) << "unchanged byte " << i << " reported";
                            named[i] = true;
                        }
                    }
                    continue;
                }
                // A field: where it lies in the file changed, whichever file
                // the aircraft's values are reported under.
                const auto found = places.find(
                    {d.value("item").toString().toStdString(), d.value("field").toString().toStdString()});
                ASSERT_NE(found, places.end())
                    << d.value("file").toString().toStdString() << " " << d.value("item").toString().toStdString()
                    << " " << d.value("field").toString().toStdString();
                const common::FieldPlace* place = &found->second;
                bool holdsAChange = false;
                for (std::size_t i = place->offset; i < place->offset + place->width; ++i) {
                    holdsAChange = holdsAChange || flipped[i];
                    named[i] = true;
                }
                EXPECT_TRUE(holdsAChange) << place->record << " " << place->field << " reported unchanged";
            }
            std::size_t missed = 0;
            for (std::size_t i = 0; i < changed.size(); ++i)
                if (flipped[i] && !named[i] && ++missed <= 3)
                    ADD_FAILURE() << "byte " << i << " changed, not reported";
            EXPECT_EQ(missed, 0u);
        }
    }
}

// Scripts read the offsets from the JSON form, one range per run of bytes.
TEST_F(Diff, JsonGivesTheOffsetRanges)
{
    editFile(copy / "P38H.FLT", [](Bytes& r) {
        for (std::size_t at : {1230u, 1231u, 1240u})
            r.at(at) ^= 0xFF;
    });
    const auto run = vantor({"diff", "game", "copy", "--format", "json"});
    ASSERT_EQ(run.exitCode, 1) << run.standardError;
    const QJsonArray all = QJsonDocument::fromJson(QByteArray::fromStdString(run.standardOutput)).array();
    ASSERT_EQ(all.size(), 1);
    const QJsonObject bytes = all.at(0).toObject();
    EXPECT_EQ(bytes.value("kind").toString(), "bytes");
    EXPECT_EQ(bytes.value("offsets").toArray(), (QJsonArray{QJsonArray{1230, 1231}, QJsonArray{1240, 1240}}));
}

} // namespace
} // namespace vantorcli
