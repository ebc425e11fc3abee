// SPDX-License-Identifier: GPL-3.0-or-later
// A squadron file: the aircraft codes of its records and the names the list
// shows for them.
#include "fuzzing/support/Scratch.h"

#include "rosterly/core/AirForce.h"
#include "rosterly/core/PlaneList.h"
#include "rosterly/core/SquadronFile.h"

#include "common/core/IoError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace rosterly;
    const auto path = fuzzing::Scratch::folder() / "sqGR0001.dat";
    fuzzing::Scratch::writeFile(path, {data, size});

    static const PlaneList planes = PlaneList::fromText("P-38H\r\nP-38J\r\nP-47C\r\n");
    const CodeRange range = codesOf(airForceOf(path.string()));
    try {
        for (std::uint8_t code : SquadronFile::readCodes(path)) {
            (void)planes.recordName(code);
            (void)range.contains(code);
        }
    } catch (const common::IoError&) {
    }
    return 0;
}
