// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordFields.h"

#include "AircraftCatalogue.h"
#include "FltRecord.h"

#include "wingsmith/core/FieldCodes.h"

#include <array>

namespace wingsmith {

std::size_t fieldWidth(FieldType type)
{
    switch (type) {
    case FieldType::UInt8:
        return 1;
    case FieldType::Int16:
    case FieldType::UInt16:
        return 2;
    case FieldType::Float:
    case FieldType::Bits:
    case FieldType::Int32:
        break;
    }
    return 4;
}

std::pair<std::int64_t, std::int64_t> expectedRange(const RecordField& field)
{
    if (field.expectedMaximum >= field.expectedMinimum)
        return {field.expectedMinimum, field.expectedMaximum};
    return {field.minimum, field.maximum};
}

namespace {

RecordField expecting(RecordField field, std::int64_t minimum, std::int64_t maximum)
{
    field.expectedMinimum = minimum;
    field.expectedMaximum = maximum;
    return field;
}

constexpr const char* kStabilityPage = FieldPages::kStability;
constexpr const char* kEnginePage = FieldPages::kEngine;
constexpr const char* kControlPage = FieldPages::kControl;
constexpr const char* kPlanesGunPage = FieldPages::kPlanesGun;
constexpr const char* kFltGunPage = FieldPages::kFltGun;
constexpr const char* kTypePage = FieldPages::kType;
constexpr const char* kDamagePage = FieldPages::kDamage;

RecordField floatField(std::string name, std::size_t offset, const char* page, std::string caption, int group = 0)
{
    return {std::move(name), offset, FieldType::Float, group, page, std::move(caption), 0, 0, nullptr};
}

RecordField intField(std::string name, std::size_t offset, FieldType type, const char* page, std::string caption,
    std::int64_t minimum, std::int64_t maximum, int group = 0)
{
    return {std::move(name), offset, type, group, page, std::move(caption), minimum, maximum, nullptr};
}

RecordField coded(RecordField field, const std::vector<FieldCode>& codes)
{
    field.codes = &codes;
    return field;
}

// The steps of the record procedures: a flight record's stability values
// first, then the fields before them, each gun group's ten floats, the
// groups' two integers, and the damage fields; a gun-table row's group
// count, its groups, then the bytes before them.
namespace Step {
constexpr int kStability = 0;
constexpr int kEngineToMass = 1;
constexpr int kGunFloats = 2;
constexpr int kGunIntegers = 3;
constexpr int kDamage = 4;
constexpr int kGroupCount = 0;
constexpr int kGroups = 1;
constexpr int kTypeAndHitPoints = 2;
} // namespace Step

void setStep(std::vector<RecordField>& fields, std::size_t from, int step)
{
    for (std::size_t i = from; i < fields.size(); ++i)
        fields[i].step = step;
}

std::vector<RecordField> buildFltFields()
{
    using namespace FltRecord;
    std::vector<RecordField> f;
    f.push_back(expecting(
        intField("engineCount", kEngineCount, FieldType::Int16, kEnginePage, "Number of Engines", -32768, 32767), 1,
        4));
    f.push_back(coded(intField("engineType", kEngineType, FieldType::Int16, kEnginePage, "Engine type (0 Prop, 1 Jet)",
                          -32768, 32767),
        engineTypeCodes()));
    f.push_back(floatField("engineBestAltitude", kEngineBestAltitude, kEnginePage, "Engine best altitude"));
    f.push_back(floatField("engineUnknown1", kEngineUnknown1, kEnginePage, "Unknown"));
    f.push_back(floatField("engineUnknown2", kEngineUnknown2, kEnginePage, "Unknown"));
    f.push_back({"propellerFactor", kPropellerFactor, FieldType::Bits, 0, kEnginePage, "Number of propellor blades", 0,
        0, &propellerPatternCodes()});
    f.push_back({"torqueMultiplier", kTorqueMultiplier, FieldType::Bits, 0, kEnginePage, "Engine torque multiplier", 0,
        0, &torquePatternCodes()});

    const std::array<const char*, 5> surfaces{"throttle", "elevator", "flaps", "ailerons", "rudder"};
    const std::array<const char*, 5> surfaceCaptions{"Throttle", "Elevator", "Flaps", "Ailerons", "Rudder"};
    const std::array<const char*, 3> ends{"Maximum", "Minimum", "Rate"};
    for (std::size_t s = 0; s < surfaces.size(); ++s)
        for (std::size_t e = 0; e < ends.size(); ++e)
            f.push_back(floatField(std::string(surfaces[s]) + ends[e], kControlSurfaces + 4 * (3 * s + e), kControlPage,
                std::string(surfaceCaptions[s]) + " " + ends[e]));

    const std::array<std::pair<const char*, const char*>, 7> limits{{{"maximumAltitude", "Maximum altitude"},
        {"maximumVelocity", "Maximum velocity"}, {"maximumAngleOfAttack", "Maximum Angle of Attack"},
        {"criticalMach", "Critical mach"}, {"maximumGForce", "Maximum g-force"}, {"minimumGForce", "Minimum g-force"},
        {"rotationalInertia", "Rotational inertia related value"}}};
    for (std::size_t n = 0; n < limits.size(); ++n)
        f.push_back(floatField(limits[n].first, kFlightLimits + 4 * n, kControlPage, limits[n].second));
    f.push_back(floatField("emptyMass", kMassValues, kControlPage, "Mass of empty aircraft"));
    f.push_back(floatField("fuelMass", kMassValues + 4, kControlPage, "Mass of fuel"));
    for (std::size_t n = 1; n <= 6; ++n)
        f.push_back(floatField("massUnknown" + std::to_string(n), kMassValues + 4 + 4 * n, kControlPage, "Unknown"));

    const std::array<std::pair<const char*, std::size_t>, 6> stability{
        {{"drag", 5}, {"sideforce", 8}, {"lift", 6}, {"roll", 9}, {"pitch", 6}, {"yaw", 9}}};
    const std::array<const char*, 6> stabilityCaptions{
        "Drag stability", "Sideforce stability", "Lift stability", "Roll stability", "Pitch stability", "Yaw stability"};
    setStep(f, 0, Step::kEngineToMass);
    const std::size_t stabilityFrom = f.size();
    std::size_t at = kStability;
    for (std::size_t s = 0; s < stability.size(); ++s)
        for (std::size_t r = 1; r <= stability[s].second; ++r, at += 4)
            f.push_back(floatField(std::string(stability[s].first) + "Stability" + std::to_string(r), at, kStabilityPage,
                std::string(stabilityCaptions[s]) + " " + std::to_string(r)));
    setStep(f, stabilityFrom, Step::kStability);

    const std::array<std::pair<const char*, const char*>, 10> gunValues{{{"firstPairX", "X first pair in group"},
        {"firstPairY", "Y first pair in group"}, {"z", "Z"}, {"secondPairX", "X second pair in group"},
        {"secondPairY", "Y second pair in group"}, {"muzzleVelocity", "Muzzle Velocity"}, {"rateOfFire", "Rate of Fire"},
        {"dispersion", "Dispersion"}, {"shellsFirstPair", "X shells first pair"},
        {"shellsSecondPair", "X shells second pair"}}};
    for (int g = 1; g <= kGunGroupCount; ++g) {
        const std::string prefix = "gun" + std::to_string(g) + ".";
        const std::size_t base = kGunGroups + kGunGroupSize * static_cast<std::size_t>(g - 1);
        for (std::size_t n = 0; n < gunValues.size(); ++n) {
            f.push_back(floatField(prefix + gunValues[n].first, base + 4 * n, kFltGunPage, gunValues[n].second, g));
            f.back().step = Step::kGunFloats;
        }
        f.push_back(intField(prefix + "gunId", base + kGunId, FieldType::UInt16, kFltGunPage, "Gun ID", 0, 65535, g));
        f.push_back(intField(prefix + "tracerRange", base + kTracerRange, FieldType::UInt16, kFltGunPage,
            "Tracer duration/Range", 0, 65535, g));
        setStep(f, f.size() - 2, Step::kGunIntegers);
    }
    const std::size_t damageFrom = f.size();

    const std::array<std::pair<const char*, const char*>, 8> bubbles{{{"front", "Front"}, {"pilot", "Pilot"},
        {"middle", "Middle"}, {"tail", "Tail"}, {"rightInnerWing", "Right Inner Wing"},
        {"rightWingTip", "Right Wing Tip"}, {"leftInnerWing", "Left Inner Wing"}, {"leftWingTip", "Left Wing Tip"}}};
    const std::array<const char*, 4> columns{"X", "Y", "Z", "Size"};
    for (std::size_t b = 0; b < bubbles.size(); ++b)
        for (std::size_t c = 0; c < columns.size(); ++c)
            f.push_back(floatField(std::string(bubbles[b].first) + "Bubble" + columns[c], kHitBubbles + 16 * b + 4 * c,
                kDamagePage, std::string("Hitbubble ") + bubbles[b].second + " " + columns[c]));
    f.push_back(intField("collisionUnknown", kCollisionUnknown, FieldType::Int32, kDamagePage, "Unknown",
        INT32_MIN, INT32_MAX));
    f.push_back(intField("collisionRadius", kCollisionRadius, FieldType::Int32, kDamagePage, "Collision Radius",
        INT32_MIN, INT32_MAX));
    f.push_back(floatField("collisionEngineHitPoints", kCollisionEngineHitPoints, kDamagePage,
        "Collision Engine Hit Points"));
    setStep(f, damageFrom, Step::kDamage);
    return f;
}

std::vector<RecordField> buildGunTableFields()
{
    using namespace GunTableRow;
    std::vector<RecordField> f;
    for (std::size_t b = 0; b < 4; ++b) {
        f.push_back(intField("typeFlags" + std::to_string(b + 1), kTypeFlags + b, FieldType::UInt8, kTypePage,
            "Type flags byte " + std::to_string(b + 1), 0, 255));
        f.back().flagBits = &typeFlagBitNames(b);
    }
    const std::array<std::pair<const char*, const char*>, 12> sections{{
        {"fuselageMechanics", "Fuselage mechanics, fuel, hydraulic lines, elevators and rudder"},
        {"pilot", "Pilot"},
        {"fuselageStructure", "Fuselage structure"},
        {"tailSection", "Tail section"},
        {"rightWingStructure", "Right wing structure"},
        {"rightWingMechanics", "Right wing mechanical parts. Aileron damage."},
        {"leftWingStructure", "Left wing structure"},
        {"leftWingMechanics", "Left wing mechanical parts. Aileron damage."},
        {"engine1", "Engine or outer left engine"},
        {"engine2", "Right engine (twin engined) or inner left engine (quad engined)"},
        {"engine3", "Inner right engine"},
        {"engine4", "Outer right engine"},
    }};
    for (std::size_t s = 0; s < sections.size(); ++s)
        f.push_back(intField(std::string("hitPoints.") + sections[s].first, kHitPoints + s, FieldType::UInt8, kDamagePage,
            std::string("Hit points: ") + sections[s].second, 0, 255));
    setStep(f, 0, Step::kTypeAndHitPoints);
    f.push_back(intField("gunGroupCount", kGroupCount, FieldType::Int16, kPlanesGunPage, "Current Number of Gungroups",
        0, kGunGroupCount));
    f.back().step = Step::kGroupCount;
    struct GroupField {
        const char* name;
        const char* caption;
        const std::vector<FieldCode>* codes;
        std::int64_t expectedMaximum; // from 0; none when negative
    };
    const std::array<GroupField, 6> groupFields{
        {{"guns", "# Guns", nullptr, 4}, {"position", "Position", &gunPositionCodes(), -1},
            {"caliber", "Caliber", &caliberCodes(), -1}, {"ammo", "Ammo count", nullptr, 9999},
            {"sound", "Sound", &gunSoundCodes(), -1}, {"smoke", "Smoke", &smokeCodes(), -1}}};
    for (int g = 1; g <= kGunGroupCount; ++g)
        for (std::size_t n = 0; n < groupFields.size(); ++n) {
            RecordField field = intField("gun" + std::to_string(g) + "." + groupFields[n].name,
                kGroups + kGroupSize * static_cast<std::size_t>(g - 1) + 2 * n, FieldType::Int16, kPlanesGunPage,
                groupFields[n].caption, -32768, 32767, g);
            field.codes = groupFields[n].codes;
            field.expectedMaximum = groupFields[n].expectedMaximum;
            field.step = Step::kGroups;
            f.push_back(std::move(field));
        }
    return f;
}

} // namespace

const AircraftCatalogue& AircraftCatalogue::program()
{
    static const AircraftCatalogue catalogue(buildFltFields(), buildGunTableFields());
    return catalogue;
}

const std::vector<RecordField>& fltRecordFields()
{
    return AircraftCatalogue::program().fields(RecordKind::FlightRecord);
}

const std::vector<RecordField>& gunTableRowFields()
{
    return AircraftCatalogue::program().fields(RecordKind::GunTableRow);
}

const RecordField* findFltRecordField(std::string_view name)
{
    return AircraftCatalogue::program().find(RecordKind::FlightRecord, name);
}

const RecordField* findGunTableRowField(std::string_view name)
{
    return AircraftCatalogue::program().find(RecordKind::GunTableRow, name);
}

} // namespace wingsmith
