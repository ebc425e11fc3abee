// SPDX-License-Identifier: GPL-3.0-or-later
#include "SortiekitDemo.h"

#include "DemoRandom.h"

#include "common/core/AtomicWrite.h"

#include <array>
#include <cstdio>
#include <span>
#include <string_view>

namespace demogen {

namespace {

constexpr std::size_t kHeaderSize = 24;
constexpr std::size_t kRecordSize = 44;
constexpr int kAirfields = 162;

constexpr std::array<const char*, 40> kOccupied{
    "Abbeville-Drucat", "Saint-Omer, Longuenesse", "Lille-Vendeville", "Beauvais-Tille", "Poix", "Amiens-Glisy",
    "Cambrai-Epinoy", "Vitry-en-Artois", "Merville", "Wevelgem", "Brussels, Evere", "Chievres", "Florennes",
    "Saint-Trond", "Le Culot", "Coxyde", "Amsterdam, Schiphol", "Woensdrecht", "Gilze-Rijen", "Eindhoven", "Venlo",
    "Deelen", "Leeuwarden", "Soesterberg", "Twente", "Volkel", "Guyancourt", "Villacoublay", "Paris, Orly",
    "Le Bourget", "Creil", "Laon-Athies", "Juvincourt", "Rosieres-en-Santerre", "Montdidier", "Conches", "Evreux",
    "Caen, Carpiquet", "Bernay", "Cormeilles-en-Vexin"};

constexpr std::array<const char*, 90> kEngland{
    "Hornchurch", "Kenley", "Tangmere", "Duxford", "Debden", "North Weald", "Northolt", "Hawkinge", "Lympne, Kent",
    "West Malling", "Detling", "Croydon", "Redhill", "Gravesend", "Rochford", "Martlesham Heath", "Coltishall",
    "Wittering", "Kirton in Lindsey", "Digby", "Church Fenton", "Catterick", "Middle Wallop", "Manston, Kent",
    "Warmwell", "Exeter", "Filton", "Ibsley", "Westhampnett", "Thorney Island", "Ford", "Shoreham", "Friston",
    "Bradwell Bay, Essex", "Castle Camps", "Fowlmere", "Bassingbourn", "Bovingdon", "Polebrook", "Molesworth",
    "Kimbolton", "Thurleigh", "Podington", "Chelveston", "Grafton Underwood", "Deenethorpe", "Glatton", "Alconbury",
    "Ridgewell", "Great Ashfield", "Rougham", "Horham", "Thorpe Abbotts", "Framlingham", "Knettishall",
    "Snetterton Heath", "Deopham Green", "Old Buckenham", "Biggin Hill", "Hethel", "Tibenham", "Hardwick",
    "Seething", "Shipdham", "Wendling", "Attlebridge", "Horsham St Faith", "Rackheath", "North Pickenham",
    "Halesworth", "Metfield", "Bungay", "Leiston", "Raydon", "Wattisham", "Boxted", "Wormingford", "Steeple Morden",
    "Kings Cliffe", "Bottisham", "Honington", "East Wretham", "Mount Farm", "Chalgrove", "Andrews Field",
    "Earls Colne", "Great Dunmow", "Matching", "Gosfield", "Rivenhall"};

constexpr std::array<const char*, 32> kGermany{
    "Jever", "Wittmundhafen", "Oldenburg", "Vechta", "Varrelbusch", "Plantluenne", "Rheine", "Hopsten", "Handorf",
    "Achmer", "Bissel", "Quakenbrueck", "Nordholz", "Stade", "Husum", "Schleswig", "Parchim", "Rechlin",
    "Neubrandenburg", "Werneuchen", "Doeberitz", "Jueterbog", "Brandis", "Erfurt", "Gotha", "Wiesbaden, Erbenheim",
    "Frankfurt Rhein-Main", "Koeln-Butzweilerhof", "Bonn-Hangelar", "Dortmund", "Paderborn", "Guetersloh"};

static_assert(kOccupied.size() + kEngland.size() + kGermany.size() == kAirfields);

const char* nameOf(int entry)
{
    if (entry < 40)
        return kOccupied[static_cast<std::size_t>(entry)];
    if (entry < 130)
        return kEngland[static_cast<std::size_t>(entry - 40)];
    return kGermany[static_cast<std::size_t>(entry - 130)];
}

// The spellings the game's own list mixes.
std::string hexText(int entry, int number)
{
    char buf[16];
    if (entry % 7 == 3)
        std::snprintf(buf, sizeof buf, "%x", static_cast<unsigned>(number));
    else if (entry % 11 == 5)
        std::snprintf(buf, sizeof buf, "%04X", static_cast<unsigned>(number));
    else if (entry % 13 == 8)
        std::snprintf(buf, sizeof buf, " %X ", static_cast<unsigned>(number));
    else
        std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(number));
    return buf;
}

constexpr std::array<std::pair<int, std::uint8_t>, 4> kStandardBases{{{98, 7}, {63, 9}, {158, 2}, {7, 2}}};

} // namespace

int demoAirfieldNumber(int entry)
{
    // A fixed shuffle, so list position and record number differ.
    return (entry * 37 + 11) % kAirfields;
}

std::string buildAirbaseTxt()
{
    std::string text;
    for (int i = 0; i < kAirfields; ++i) {
        const std::string_view name = nameOf(i);
        if (name.find(',') != std::string_view::npos || i % 17 == 4)
            text += "\"" + std::string(name) + "\"";
        else
            text += name;
        text += i % 5 == 2 ? ", " : ",";
        text += hexText(i, demoAirfieldNumber(i));
        text += "\r\n";
    }
    return text;
}

std::vector<std::uint8_t> buildAirfieldBak()
{
    DemoRandom random(6101);
    std::vector<std::uint8_t> bytes(kHeaderSize + kRecordSize * kAirfields + 16);
    random.fill(bytes);
    const std::string_view magic = "VANTOR AIRFIELDS";
    std::copy(magic.begin(), magic.end(), bytes.begin());
    for (int k = 0; k < kAirfields; ++k) {
        const std::size_t r = kHeaderSize + kRecordSize * static_cast<std::size_t>(k);
        if (k % 23 == 9) {
            // Leftovers of an older layout: no base, whatever they say.
            for (std::size_t j = 0; j < 8; j += 2) {
                bytes[r + j] = static_cast<std::uint8_t>(k % 5);
                bytes[r + j + 1] = 0;
            }
        } else {
            std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(r), 8, std::uint8_t{0xFF});
        }
        bytes[r + 8] = 1;
    }
    for (const auto& [entry, value] : kStandardBases) {
        const std::size_t r = kHeaderSize + kRecordSize * static_cast<std::size_t>(demoAirfieldNumber(entry));
        for (std::size_t j = 0; j < 8; j += 2) {
            bytes[r + j] = value;
            bytes[r + j + 1] = 0;
        }
        bytes[r + 8] = 0;
    }
    return bytes;
}

void writeSortiekitDemo(const std::filesystem::path& gameDir)
{
    common::writeFileAtomically(gameDir / "airbase.txt", buildAirbaseTxt());
    common::writeFileAtomically(gameDir / "airfield.bak", buildAirfieldBak());
}

} // namespace demogen
