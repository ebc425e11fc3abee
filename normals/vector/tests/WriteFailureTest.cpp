// SPDX-License-Identifier: GPL-3.0-or-later
#include "normals/vector/core/ModelNormals.h"
#include "normals/vector/core/ModelReader.h"
#include "normals/vector/core/NormalsText.h"
#include "tools/demogen/NormalsDemo.h"

#include "common/core/RunBackups.h"
#include "common/testing/TempDir.h"
#include "common/testing/WriteFailureWalk.h"

#include <gtest/gtest.h>

namespace vector {
namespace {

TEST(VectorWrites, ReplacingANormalsTextNeverLeavesItPartial)
{
    common::TempDir dir;
    demogen::writeNormalsDemo(dir.path());
    common::writeAllText(dir / "box.txt", "an older text\r\n");
    Model model = readModel(dir.path(), "box.3dz", Model{});
    calculateNormals(model);
    const int runs = common::walkWriteFailures(dir.path(), [&] {
        common::RunBackups::start("vector");
        writeNormalsText(dir / "box.txt", model);
    }, "box.txt");
    common::RunBackups::stop();
    EXPECT_GT(runs, 5);
}

} // namespace
} // namespace vector
