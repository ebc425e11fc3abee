// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

namespace wingsmith {

// Byte layout of a 1284-byte flight record (a loose *.FLT file, or one record
// of FLT.CDF). Only these fields are interpreted; every other byte is left
// exactly as it is, since all writes patch fields in place.
namespace FltRecord {
inline constexpr std::size_t kSize = 1284;

inline constexpr std::size_t kEngineCount = 0;      // int16
inline constexpr std::size_t kEngineType = 2;       // int16
inline constexpr std::size_t kEngineBestAltitude = 4;
inline constexpr std::size_t kEngineUnknown1 = 8;
inline constexpr std::size_t kEngineUnknown2 = 12;
inline constexpr std::size_t kPropellerFactor = 16;  // float32 kept as its pattern
inline constexpr std::size_t kTorqueMultiplier = 20; // float32 kept as its pattern
inline constexpr std::size_t kControlSurfaces = 24;  // 15 float32
inline constexpr std::size_t kFlightLimits = 84;     // 7 float32
inline constexpr std::size_t kMassValues = 112;      // 8 float32
inline constexpr std::size_t kStability = 144;       // 43 float32
inline constexpr std::size_t kGunGroups = 596;       // 6 groups of 44 bytes
inline constexpr std::size_t kGunGroupSize = 44;
inline constexpr std::size_t kGunId = 40;            // uint16, within a group
inline constexpr std::size_t kTracerRange = 42;      // uint16, within a group
inline constexpr std::size_t kHitBubbles = 1084;     // 8 x 4 float32
inline constexpr std::size_t kCollisionUnknown = 1212;        // int32
inline constexpr std::size_t kCollisionRadius = 1216;         // int32
inline constexpr std::size_t kCollisionEngineHitPoints = 1220; // float32
} // namespace FltRecord

// Byte layout of a 216-byte row of the gun table planes.dat.
namespace GunTableRow {
inline constexpr std::size_t kSize = 216;
inline constexpr std::size_t kTypeFlags = 8;     // 4 x uint8
inline constexpr std::size_t kHitPoints = 76;    // 12 x uint8
inline constexpr std::size_t kGroupCount = 88;   // int16
inline constexpr std::size_t kGroups = 92;       // 6 groups of 6 int16
inline constexpr std::size_t kGroupSize = 12;
} // namespace GunTableRow

inline constexpr std::size_t kGunTableSize = 6484;         // 30 rows and 4 trailing bytes
inline constexpr std::uint64_t kDataCdfGunTable = 1234966; // the image of planes.dat in DATA.CDF
inline constexpr std::uint64_t kFltCdfDirectoryEntry = 34;
inline constexpr std::uint64_t kFltCdfNameOffset = 8;
inline constexpr std::uint64_t kFltCdfRecords = 1020;      // after the 30 directory entries

inline constexpr int kGunGroupCount = 6;

} // namespace wingsmith
