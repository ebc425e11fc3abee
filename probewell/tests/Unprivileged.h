// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace probewell {

// Runs `body` where permission bits count. Root reads any folder, so as
// root `body` runs in a child process (a death test) that has given up
// root for the user "nobody"; the folders it needs must be open to all.
template <typename Body>
void runWithoutRoot(Body body)
{
#ifdef _WIN32
    body();
    return;
#else
    if (::geteuid() != 0) {
        body();
        return;
    }
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                std::_Exit(3);
            body();
            std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
#endif
}

} // namespace probewell
