// airbase.txt, and the airfield numbers of the bases chosen from it.
#include "fuzzing/support/Scratch.h"

#include "sortiekit/core/AirbaseList.h"
#include "sortiekit/core/SortiekitError.h"

#include "common/core/IoError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace sortiekit;
    const auto dir = fuzzing::Scratch::folder();
    fuzzing::Scratch::writeFile(dir / "airbase.txt", {data, size});
    try {
        const AirbaseList list = AirbaseList::load(dir);
        for (int first = 0; first < AirbaseList::kCount; first += 4) {
            try {
                (void)list.recordNumbers({first, first + 1, first + 2, first + 3 < AirbaseList::kCount ? first + 3 : -1});
            } catch (const SortiekitError&) {
            }
        }
    } catch (const SortiekitError&) {
    } catch (const common::IoError&) {
    }
    return 0;
}
