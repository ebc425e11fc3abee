// SPDX-License-Identifier: GPL-3.0-or-later
// planes.dat: every row of the gun table.
#include "fuzzing/support/Scratch.h"

#include "wingsmith/core/AircraftValues.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/GunTableIo.h"

#include "common/core/IoError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto path = fuzzing::Scratch::folder() / "planes.dat";
    fuzzing::Scratch::writeFile(path, {data, size});

    auto file = common::BinaryFile::open(path, common::BinaryFile::Mode::Read);
    for (int i = 0; i < wingsmith::kAircraftCount; ++i) {
        wingsmith::PlanesValues values{};
        try {
            wingsmith::readGunTableRow(wingsmith::AircraftCatalogue::program(), file, wingsmith::GunTableRow::kSize * static_cast<std::uint64_t>(i), values);
        } catch (const common::IoError&) {
            break;
        }
    }
    file.close();
    return 0;
}
