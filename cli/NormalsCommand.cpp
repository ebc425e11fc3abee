// SPDX-License-Identifier: GPL-3.0-or-later
#include "NormalsCommand.h"

#include "CommandLine.h"

#include "vector/core/ModelNormals.h"
#include "vector/core/ModelReadError.h"
#include "vector/core/ModelReader.h"
#include "vector/core/NormalRangeError.h"
#include "vector/core/NormalsText.h"

#include "common/core/IoError.h"
#include "common/core/TextLines.h"
#include "common/core/PathText.h"

#include <cstdint>
#include <memory>
#include <span>

namespace vantorcli {

int normals(const CommandArguments& arguments)
{
    const auto modelPath = toPath(arguments.positional(0));
    std::vector<std::string> lines;
    try {
        std::unique_ptr<::vector::Model> model;
        if (isStandardStream(modelPath)) {
            const std::string bytes = readInput(modelPath);
            model = std::make_unique<::vector::Model>(
                ::vector::readModelBytes(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                    bytes.size(), "-", ::vector::Model{}));
        } else {
            refuseFolder(modelPath);
            const auto folder = modelPath.parent_path().empty() ? std::filesystem::path(".") : modelPath.parent_path();
            model = std::make_unique<::vector::Model>(
                ::vector::readModel(folder, common::utf8FromPath(modelPath.filename()), ::vector::Model{}));
        }
        ::vector::calculateNormals(*model);
        lines = ::vector::normalsText(*model);
    } catch (const ::vector::ModelReadError& e) {
        throw Refusal(aboutFile(modelPath, e.what()));
    } catch (const ::vector::NormalRangeError& e) {
        throw Refusal(aboutFile(modelPath, e.what()));
    } catch (const common::IoError& e) {
        throw e.about(modelPath);
    }
    writeResult(outputOption(arguments), common::joinCrlfLines(lines));
    return 0;
}

} // namespace vantorcli
