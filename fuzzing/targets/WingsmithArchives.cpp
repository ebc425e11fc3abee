// SPDX-License-Identifier: GPL-3.0-or-later
// FLT.CDF and DATA.CDF as Wingsmith decodes them: the start-up's steps for
// every aircraft whose loose file is missing (directory name, archive
// record, gun table, flight record) and the import of both archives.
// Input: FLT.CDF, then the gun-table image that DATA.CDF holds. The file
// handling around these steps is the same for every content and is covered
// by the tests; decoding in memory lets the fuzzer try far more inputs.
// One aircraft per input, thirty times smaller, is wingsmith_archive_entry's.
#include "fuzzing/support/Parts.h"

#include "wingsmith/core/AircraftRoster.h"
#include "wingsmith/core/Workspace.h"

#include "common/core/IoError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parts = fuzzing::splitParts({data, size}, 2);
    const auto archive = parts[0];
    const auto table = parts[1];

    wingsmith::Workspace workspace;
    try {
        for (int k = 0; k < wingsmith::kAircraftCount; ++k) {
            const std::string name = wingsmith::fltDirectoryName(archive, k);
            const auto record = wingsmith::fltArchiveRecord(archive, k);
            if (k == 0)
                workspace.decodeGunTable(table);
            workspace.decodeFlightRecord(wingsmith::positionOfFltName(name), record, table);
        }
    } catch (const common::IoError&) {
    }
    try {
        workspace.decodeArchives(table, archive);
    } catch (const common::IoError&) {
    }
    workspace.compareValues();
    return 0;
}
