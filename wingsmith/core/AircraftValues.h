// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AircraftRoster.h"

#include <array>
#include <cstdint>

namespace wingsmith {

// Code table of the engine fields: the exact float32 patterns stored.
namespace EngineCodes {
inline constexpr std::array<std::uint32_t, 4> kPropellerPatterns{0x00000000, 0x3BB59147, 0x3BF21709, 0x3C174E66};
inline constexpr std::uint32_t kTorqueProp = 0x42800000; // 64.0
inline constexpr std::uint32_t kTorqueJet = 0x41CCCCCD;  // 25.6
} // namespace EngineCodes

struct FltGunGroup {
    // X/Y first pair, Z, X/Y second pair, muzzle velocity, rate of fire,
    // dispersion, shells first pair, shells second pair.
    std::array<float, 10> values{};
    std::uint16_t gunId = 0;
    std::uint16_t tracerRange = 0;
};

// The flight part of an aircraft: every interpreted field of its record.
struct FlightValues {
    std::array<float, 43> stability{};
    std::int16_t engineCount = 0;
    std::int16_t engineType = 0;
    float engineBestAltitude = 0;
    float engineUnknown1 = 0;
    float engineUnknown2 = 0;
    std::uint32_t propellerFactor = 0;  // raw pattern
    std::uint32_t torqueMultiplier = 0; // raw pattern
    std::array<float, 15> controlSurfaces{};
    std::array<float, 7> flightLimits{};
    std::array<float, 8> massValues{};
    std::array<FltGunGroup, 6> fltGunGroups{};
    // 1-32: eight bubbles of X, Y, Z, Size; 33: collision engine hit points.
    std::array<float, 33> hitBubbles{};
    std::int32_t collisionUnknown = 0;
    std::int32_t collisionRadius = 0;
};

struct PlanesGunGroup {
    std::int16_t guns = 0;
    std::int16_t position = 0;
    std::int16_t caliber = 0;
    std::int16_t ammo = 0;
    std::int16_t sound = 0;
    std::int16_t smoke = 0;
};

// The gun-table part of an aircraft: its row of planes.dat.
struct PlanesValues {
    std::int16_t gunGroupCount = 0;
    std::array<PlanesGunGroup, 6> planesGunGroups{};
    std::array<std::uint8_t, 4> typeFlags{};
    std::array<std::uint8_t, 12> hitPoints{};
};

struct AircraftValues {
    FlightValues flight;
    PlanesValues planes;
};

using AircraftSet = std::array<AircraftValues, kAircraftCount>;

// The number of gun groups a record or row holds for a stored count. Counts
// outside 0..6 (a damaged file) are clamped, so a bad count can never reach
// past the six groups the layout has.
int usableGroupCount(int storedCount);

} // namespace wingsmith
