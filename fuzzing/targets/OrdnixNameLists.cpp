// The four name lists (Weapons.txt, Planes.txt, Locations.txt, Mounts.txt),
// each given the input, and the names the editor shows from them.
#include "fuzzing/support/Scratch.h"

#include "ordnix/core/NameLists.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ordnix;
    const auto dir = fuzzing::Scratch::folder();
    for (const char* name : {"Weapons.txt", "Planes.txt", "Locations.txt", "Mounts.txt"})
        fuzzing::Scratch::writeFile(dir / name, {data, size});

    const NameLists lists = LoadLists(dir);
    for (const NameList* list : {&lists.weapons, &lists.planes, &lists.locations, &lists.mounts})
        for (double code : {-1.0, 0.0, 1.5, 50.0, 255.0})
            (void)list->nameOf(code, "?");
    return 0;
}
