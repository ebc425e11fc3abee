// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/FieldCodes.h"

namespace wingsmith {

namespace {
// The exact float32 patterns the engine fields store.
namespace EngineCodes {
constexpr std::uint32_t kPropellerPatterns[]{0x00000000, 0x3BB59147, 0x3BF21709, 0x3C174E66};
constexpr std::uint32_t kTorqueProp = 0x42800000; // 64.0
constexpr std::uint32_t kTorqueJet = 0x41CCCCCD;  // 25.6
} // namespace EngineCodes
} // namespace

const std::vector<FieldCode>& engineTypeCodes()
{
    static const std::vector<FieldCode> codes{{0, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Prop")},
        {1, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Jet")}};
    return codes;
}

const std::vector<FieldCode>& gunPositionCodes()
{
    static const std::vector<FieldCode> codes{{0, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "None")},
        {1, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Wing")},
        {2, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Nose")},
        {3, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Tail")},
        {4, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Top turret")},
        {5, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Rear Cabin")},
        {6, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Top")},
        {7, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Ventral rear")},
        {8, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Ventral front")},
        {9, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Belly turret")},
        {10, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Left waist")},
        {11, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Right waist")},
        {12, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Nose flexible")},
        {13, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Front turret")}};
    return codes;
}

const std::vector<FieldCode>& caliberCodes()
{
    static const std::vector<FieldCode> codes{
        {2, WINGSMITH_CODE_NAME("wingsmith::MainWindow", ".30 cal MG / 7.9mm MG")},
        {4, WINGSMITH_CODE_NAME("wingsmith::MainWindow", ".50 cal MG / 13 mm MG")},
        {12, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "20 mm cannon")},
        {24, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "30 mm cannon")}};
    return codes;
}

const std::vector<FieldCode>& gunSoundCodes()
{
    static const std::vector<FieldCode> codes{
        {0, WINGSMITH_CODE_NAME("wingsmith::MainWindow", ".30 cal MG / 7.9 mm MG")},
        {1, WINGSMITH_CODE_NAME("wingsmith::MainWindow", ".50 cal MG / 13 mm MG")},
        {2, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "20 mm cannon")},
        {3, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "30 mm cannon")}};
    return codes;
}

const std::vector<FieldCode>& smokeCodes()
{
    static const std::vector<FieldCode> codes{{0, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "No")},
        {1, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Yes")}};
    return codes;
}

const std::vector<FieldCode>& propellerPatternCodes()
{
    static const std::vector<FieldCode> codes{
        {EngineCodes::kPropellerPatterns[0], WINGSMITH_CODE_NAME("wingsmith::MainWindow", "0 blades /Jet")},
        {EngineCodes::kPropellerPatterns[1], WINGSMITH_CODE_NAME("wingsmith::MainWindow", "3 blades")},
        {EngineCodes::kPropellerPatterns[2], WINGSMITH_CODE_NAME("wingsmith::MainWindow", "4 blades")},
        {EngineCodes::kPropellerPatterns[3], WINGSMITH_CODE_NAME("wingsmith::MainWindow", "5 blades")}};
    return codes;
}

const std::vector<FieldCode>& torquePatternCodes()
{
    static const std::vector<FieldCode> codes{
        {EngineCodes::kTorqueProp, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Prop")},
        {EngineCodes::kTorqueJet, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Jet")}};
    return codes;
}

const std::vector<FieldCode>& typeFlagBitNames(std::size_t byte)
{
    static const std::vector<FieldCode> bytes[4]{
        {{0x01, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Fighter")},
            {0x02, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Bomber")},
            {0x04, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Flyable")},
            {0x08, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Jet")},
            {0x10, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Twin Engined")},
            {0x20, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Quad Engined")},
            {0x40, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "V1")},
            {0x80, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "German")}},
        {{0x01, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "British")},
            {0x02, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "American")},
            {0x04, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Inline Engine")},
            {0x10, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Gear Back")},
            {0x20, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Gear Rotation Inward")},
            {0x40, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Gear Rotation Outward")},
            {0x80, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Gear Center (Nose)")}},
        {{0x01, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Counter Rotating Props")},
            {0x02, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Counter Clockwise Props")},
            {0x04, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Gravity Fed Carburator")},
            {0x10, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Dive Bomber")},
            {0x20, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Attack Plane")},
            {0x40, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Angle Fighter")},
            {0x80, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Energy Fighter")}},
        {{0x01, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Defensive Gun")},
            {0x02, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Multi Crewed")},
            {0x04, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Combat Flaps")},
            {0x08, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Automatic Slats")},
            {0x10, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Armor")},
            {0x20, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Heavy Armor")}},
    };
    return bytes[byte];
}

const char* codeName(const std::vector<FieldCode>& codes, std::int64_t value)
{
    const int i = codeIndex(codes, value);
    return i < 0 ? nullptr : codes[static_cast<std::size_t>(i)].name;
}

int codeIndex(const std::vector<FieldCode>& codes, std::int64_t value)
{
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (codes[i].value == value)
            return static_cast<int>(i);
    return -1;
}

} // namespace wingsmith
