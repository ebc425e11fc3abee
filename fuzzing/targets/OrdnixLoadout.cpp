// loadout.dat as the editor loads it: the record list, then every record and
// the mission options of its aircraft, as showing each record reads them.
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

#include <cmath>

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
    const RecordList records = NameRecords(image, lists.planes);
    for (std::size_t i = 0; i < kRecordCount; ++i) {
        const double code = std::floor(LeadingNumber(image.currentText(records[i].start)));
        const std::size_t anchor = OptionAnchor(code > 0 ? static_cast<std::size_t>(code) : 0);
        for (int t = 0; t < kMissionCount; ++t)
            (void)ReadMission(image, anchor, t);
        SlotFields fields = SlotFieldsFromRecord(ReadRecord(image, i), 101, 51, 21);
        NormaliseSlots(fields);
    }
    (void)ImageBytes(image);
    return 0;
}
