// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlightRecordIo.h"

#include "FieldDecoding.h"
#include "FltRecord.h"

#include "common/core/LittleEndian.h"

namespace wingsmith {

namespace {

using common::le::bitsToFloat;
using common::le::floatToBits;

// The fields in the order they travel; reading and writing share it.
template <typename Access>
void transferRecord(Access& io, int groupCount)
{
    using namespace FltRecord;
    for (std::size_t n = 0; n < 43; ++n)
        io.f32(kStability + 4 * n, io.values().stability[n]);
    io.i16(kEngineCount, io.values().engineCount);
    io.i16(kEngineType, io.values().engineType);
    io.f32(kEngineBestAltitude, io.values().engineBestAltitude);
    io.f32(kEngineUnknown1, io.values().engineUnknown1);
    io.f32(kEngineUnknown2, io.values().engineUnknown2);
    io.bits(kPropellerFactor, io.values().propellerFactor);
    io.bits(kTorqueMultiplier, io.values().torqueMultiplier);
    for (std::size_t n = 0; n < 15; ++n)
        io.f32(kControlSurfaces + 4 * n, io.values().controlSurfaces[n]);
    for (std::size_t n = 0; n < 7; ++n)
        io.f32(kFlightLimits + 4 * n, io.values().flightLimits[n]);
    for (std::size_t n = 0; n < 8; ++n)
        io.f32(kMassValues + 4 * n, io.values().massValues[n]);
    const auto groups = static_cast<std::size_t>(usableGroupCount(groupCount));
    for (std::size_t g = 0; g < groups; ++g)
        for (std::size_t n = 0; n < 10; ++n)
            io.f32(kGunGroups + kGunGroupSize * g + 4 * n, io.values().fltGunGroups[g].values[n]);
    for (std::size_t g = 0; g < groups; ++g) {
        io.u16(kGunGroups + kGunGroupSize * g + kGunId, io.values().fltGunGroups[g].gunId);
        io.u16(kGunGroups + kGunGroupSize * g + kTracerRange, io.values().fltGunGroups[g].tracerRange);
    }
    for (std::size_t n = 0; n < 32; ++n)
        io.f32(kHitBubbles + 4 * n, io.values().hitBubbles[n]);
    io.i32(kCollisionUnknown, io.values().collisionUnknown);
    io.i32(kCollisionRadius, io.values().collisionRadius);
    io.f32(kCollisionEngineHitPoints, io.values().hitBubbles[32]);
}

class Reader {
public:
    Reader(std::span<const std::uint8_t> bytes, std::uint64_t base, FlightValues& values)
        : bytes_(bytes), base_(base), values_(values) {}
    FlightValues& values() { return values_; }
    void f32(std::size_t off, float& v) { v = bitsToFloat(fields::u32(bytes_, base_ + off)); }
    void bits(std::size_t off, std::uint32_t& v) { v = fields::u32(bytes_, base_ + off); }
    void i16(std::size_t off, std::int16_t& v) { v = fields::i16(bytes_, base_ + off); }
    void u16(std::size_t off, std::uint16_t& v) { v = fields::u16(bytes_, base_ + off); }
    void i32(std::size_t off, std::int32_t& v) { v = fields::i32(bytes_, base_ + off); }

private:
    std::span<const std::uint8_t> bytes_;
    std::uint64_t base_;
    FlightValues& values_;
};

template <typename Sink>
class Writer {
public:
    Writer(Sink& file, std::uint64_t base, const FlightValues& values) : file_(file), base_(base), values_(values) {}
    const FlightValues& values() { return values_; }
    void f32(std::size_t off, float v) { file_.writeF32Bits(base_ + off, floatToBits(v)); }
    void bits(std::size_t off, std::uint32_t v) { file_.writeF32Bits(base_ + off, v); }
    void i16(std::size_t off, std::int16_t v) { file_.writeI16(base_ + off, v); }
    void u16(std::size_t off, std::uint16_t v) { file_.writeU16(base_ + off, v); }
    void i32(std::size_t off, std::int32_t v) { file_.writeI32(base_ + off, v); }

private:
    Sink& file_;
    std::uint64_t base_;
    const FlightValues& values_;
};

} // namespace

void decodeFlightRecord(std::span<const std::uint8_t> bytes, std::uint64_t base, int groupCount, FlightValues& values)
{
    Reader reader(bytes, base, values);
    transferRecord(reader, groupCount);
}

void readFlightRecord(common::BinaryFile& file, std::uint64_t base, int groupCount, FlightValues& values)
{
    decodeFlightRecord(fields::readUpTo(file, base, FltRecord::kSize), 0, groupCount, values);
}

void writeFlightRecord(common::BinaryFile& file, std::uint64_t base, const FlightValues& values, int groupCount)
{
    Writer writer(file, base, values);
    transferRecord(writer, groupCount);
}

void writeFlightRecord(RecordBytes& bytes, std::uint64_t base, const FlightValues& values, int groupCount)
{
    Writer writer(bytes, base, values);
    transferRecord(writer, groupCount);
}

} // namespace wingsmith
