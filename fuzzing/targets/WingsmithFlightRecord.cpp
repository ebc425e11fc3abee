// SPDX-License-Identifier: GPL-3.0-or-later
// A loose flight-record file (*.FLT). Input: the gun-group count (int16, as
// planes.dat gives it), then the file.
#include "fuzzing/support/Scratch.h"

#include "wingsmith/core/FlightRecordIo.h"

#include "common/core/IoError.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::size_t head = std::min<std::size_t>(size, 2);
    std::int16_t groupCount = 0;
    if (head == 2)
        groupCount = static_cast<std::int16_t>(data[0] | data[1] << 8);
    const auto path = fuzzing::Scratch::folder() / "P51D.FLT";
    fuzzing::Scratch::writeFile(path, {data + head, size - head});

    wingsmith::FlightValues values{};
    try {
        auto file = common::BinaryFile::open(path, common::BinaryFile::Mode::Read);
        wingsmith::readFlightRecord(wingsmith::AircraftCatalogue::program(), file, 0, groupCount, values);
        file.close();
    } catch (const common::IoError&) {
    }
    return 0;
}
