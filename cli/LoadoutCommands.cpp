// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutCommands.h"

#include "CommandLine.h"

#include "ordnix/core/ChangeScript.h"
#include "ordnix/core/LoadoutError.h"
#include "ordnix/core/LoadoutFile.h"
#include "ordnix/core/ScriptApply.h"

#include "common/core/AtomicWrite.h"
#include "common/core/IoError.h"
#include "common/core/TextLines.h"
#include "common/core/PathText.h"

namespace vantorcli {

namespace {

ordnix::LoadoutImage load(const std::filesystem::path& path)
{
    refuseFolder(path);
    try {
        return ordnix::LoadFile(
            path.parent_path().empty() ? "." : path.parent_path(), common::utf8FromPath(path.filename()));
    } catch (const ordnix::LoadoutError& e) {
        throw Refusal(aboutFile(path, e.what()));
    } catch (const common::IoError& e) {
        throw e.about(path);
    }
}

} // namespace

int loadoutDiff(const CommandArguments& arguments)
{
    const auto oldPath = toPath(arguments.positional(0));
    const auto newPath = toPath(arguments.positional(1));
    const ordnix::LoadoutImage old = load(oldPath);
    const std::string newText = readInput(newPath);
    ordnix::LoadoutImage image;
    try {
        image = ordnix::DifferenceImage(old, std::vector<std::uint8_t>(newText.begin(), newText.end()));
    } catch (const ordnix::LoadoutError& e) {
        throw Refusal(aboutFile(newPath, e.what()));
    }
    if (const auto out = arguments.value("o"); out && !isStandardStream(toPath(*out))) {
        ordnix::WriteScript(image, toPath(*out));
        return 0;
    }
    std::vector<std::string> lines;
    for (const ordnix::ChangedByte& change : ordnix::ChangedBytes(image)) {
        lines.push_back(std::to_string(change.position));
        lines.push_back(change.value);
    }
    writeStandardOutput(common::joinCrlfLines(lines));
    return 0;
}

int loadoutApply(const CommandArguments& arguments)
{
    const auto scriptPath = toPath(arguments.positional(0));
    const auto loadoutPath = toPath(arguments.positional(1));
    ordnix::LoadoutImage image = load(loadoutPath);
    std::filesystem::path written;
    try {
        ordnix::ApplyScript(image, ordnix::ParseScript(readTextInput(scriptPath)));
    } catch (const ordnix::LoadoutError& e) {
        throw Refusal(aboutFile(scriptPath, e.what()));
    }
    try {
        if (arguments.isSet("replace")) {
            written = loadoutPath;
            common::writeFileAtomically(written, ordnix::ImageBytes(image));
        } else {
            written
                = ordnix::SaveImage(image, loadoutPath.parent_path().empty() ? "." : loadoutPath.parent_path(), false);
        }
    } catch (const ordnix::LoadoutError& e) {
        throw Refusal(aboutFile(loadoutPath, e.what()));
    }
    writeStandardOutput(common::utf8FromPath(written) + "\n");
    return 0;
}

} // namespace vantorcli
