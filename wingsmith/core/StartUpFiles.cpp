// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartUpFiles.h"

#include "GamePaths.h"
#include "GunTableExtractionError.h"

#include <system_error>

namespace wingsmith {

StartUpOutcome startUpFiles(Workspace& workspace, ArchiveAttributes& attributes, const std::string& resourcePath)
{
    using Kind = StartUpMessage::Kind;
    StartUpOutcome outcome;
    attributes.rememberAndMakeWritable(resourcePath);

    std::error_code ec;
    if (!std::filesystem::exists(gameFile(resourcePath, kPlanesDatName), ec)) {
        try {
            extractGunTable(resourcePath);
        } catch (const GunTableExtractionError& e) {
            if (e.creatingPlanesDat())
                outcome.messages.push_back({Kind::Warning, "Error creating PLANES.DAT!"});
            outcome.messages.push_back({Kind::Warning, "Error opening DATA.CDF!"});
            outcome.messages.push_back({Kind::IoError, e.what()});
            return outcome;
        }
    }

    if (std::filesystem::exists(gameFile(resourcePath, kFltCdfName), ec)) {
        try {
            workspace.extractFltFiles(resourcePath);
        } catch (const common::IoError& e) {
            outcome.messages.push_back({Kind::IoError, e.what()});
            return outcome;
        }
    } else {
        outcome.messages.push_back({Kind::Warning, "FLT.CDF not found!"});
    }
    outcome.completed = true;
    return outcome;
}

} // namespace wingsmith
