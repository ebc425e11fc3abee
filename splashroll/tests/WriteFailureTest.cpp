// SPDX-License-Identifier: GPL-3.0-or-later
#include "splashroll/core/BuiltinProcessor.h"

#include "common/testing/TempDir.h"
#include "common/testing/WriteFailureWalk.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace splashroll {
namespace {

// The rotator's two commands, each failing at every file operation.
TEST(SplashrollWrites, DelAndCopyNeverLeaveAPartialPicture)
{
    common::TempDir dir;
    common::writeAllText(dir / "splash.003", std::string(3000, 'p'));
    common::writeAllText(dir / "main2.pic", std::string(2000, 'o'));
    BuiltinProcessor processor(dir.path());
    const auto run = [&](const std::string& command) {
        if (!processor.run(command))
            throw std::runtime_error(processor.failureReason());
    };
    EXPECT_GT(common::walkWriteFailures(dir.path(), [&] { run("del main2.pic"); }, "main2.pic"), 0);
    std::filesystem::remove(dir / "main2.pic");
    EXPECT_GT(common::walkWriteFailures(dir.path(), [&] { run("copy splash.003 main2.pic"); }, "main2.pic"), 3);
}

} // namespace
} // namespace splashroll
