// SPDX-License-Identifier: GPL-3.0-or-later
// main() for window tests: one QApplication for the whole run, on the
// offscreen platform unless the caller chose another, with settings in a
// temporary folder.
#include "TemporarySettings.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const common::TemporarySettings settings;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
