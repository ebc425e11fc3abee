// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rotation.h"

#include "BuiltinProcessor.h"
#include "PictureCommands.h"
#include "PictureRandom.h"
#include "Refusal.h"

#include <system_error>

namespace splashroll {

Rotation planRotation(const Request& request, std::uint32_t seed)
{
    PictureRandom random(seed);
    Rotation rotation;
    rotation.index = pictureIndex(request.highest, random.next());
    rotation.picture = pictureFileName(request.stem, rotation.index);
    rotation.commands = {std::string(kDeleteCommand), copyCommand(request.stem, rotation.index),
        std::string(kPublishCommand)};
    return rotation;
}

void checkPictureIsThere(const Rotation& rotation, const std::filesystem::path& folder)
{
    const auto found = BuiltinProcessor::find(folder, rotation.picture);
    std::error_code ec;
    if (!found || !std::filesystem::is_regular_file(*found, ec))
        throw Refusal(rotation.picture + " is not in this folder; run splashroll in the folder that holds the pictures");
}

std::vector<FailedCommand> runRotation(const Rotation& rotation, CommandProcessor& processor)
{
    std::vector<FailedCommand> failed;
    for (const std::string& command : rotation.commands) {
        if (processor.run(command))
            continue;
        std::string shown = command;
        while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r'))
            shown.pop_back();
        failed.push_back({shown, processor.failureReason()});
    }
    return failed;
}

} // namespace splashroll
