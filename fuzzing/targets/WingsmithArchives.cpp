// FLT.CDF and DATA.CDF through Wingsmith's start-up (extraction of planes.dat
// and of the loose files, loading every aircraft) and through the import.
// Input: FLT.CDF, then the gun-table image that DATA.CDF holds at its fixed
// place (the bytes before it stay a hole).
#include "fuzzing/support/Parts.h"
#include "fuzzing/support/Scratch.h"

#include "wingsmith/core/ArchiveAttributes.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/StartUpFiles.h"
#include "wingsmith/core/Workspace.h"

#include "common/core/IoError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parts = fuzzing::splitParts({data, size}, 2);
    const auto dir = fuzzing::Scratch::freshFolder("wingsmith");
    fuzzing::Scratch::writeFile(dir / "FLT.CDF", parts[0]);
    fuzzing::Scratch::writeFile(dir / "DATA.CDF", parts[1], wingsmith::kDataCdfGunTable);

    wingsmith::Workspace workspace;
    wingsmith::ArchiveAttributes attributes;
    wingsmith::startUpFiles(workspace, attributes, dir.string());
    try {
        workspace.importArchives(dir.string());
    } catch (const common::IoError&) {
    }
    workspace.compareValues();
    return 0;
}
