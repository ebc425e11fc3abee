// SPDX-License-Identifier: GPL-3.0-or-later
// loadout.dat as the editor loads it: the record list and the mission
// options of every aircraft, and the slots of a tenth of the records (which
// tenth follows from the input's length), as showing them reads them.
#include "fuzzing/support/LoadoutWalk.h"
#include "fuzzing/support/Scratch.h"

#include "ordnix/core/LoadoutError.h"
#include "ordnix/core/LoadoutFile.h"
#include "ordnix/core/LoadoutRecord.h"
#include "ordnix/core/MissionOptions.h"
#include "ordnix/core/NameLists.h"
#include "ordnix/core/RecordList.h"
#include "ordnix/core/SlotFields.h"
#include "ordnix/core/ValueText.h"

#include "common/core/IoError.h"


extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ordnix;
    const auto dir = fuzzing::Scratch::folder();
    fuzzing::Scratch::writeFile(dir / "loadout.dat", {data, size});

    LoadoutImage image;
    try {
        image = LoadFile(dir, "");
    } catch (const LoadoutError&) {
        return 0;
    } catch (const common::IoError&) {
        return 0;
    }
    const NameLists lists;
    fuzzing::walkLoadoutRecords(image, lists.planes, [](const auto& record) {
        SlotFields fields = SlotFieldsFromRecord(record, 101, 51, 21);
        NormaliseSlots(fields);
    }, size % 10, 10);
    (void)ImageBytes(image);
    return 0;
}
