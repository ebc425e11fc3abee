// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoInstallation.h"

#include "MenuDemo.h"
#include "NormalsDemo.h"
#include "ProbewellDemo.h"
#include "SplashrollDemo.h"
#include "RosterlyDemo.h"
#include "SortiekitDemo.h"
#include "OrdnixDemo.h"
#include "WingsmithDemo.h"

namespace demogen {

void writeDemoInstallation(const std::filesystem::path& gameDir)
{
    std::filesystem::create_directories(gameDir);
    writeWingsmithDemo(gameDir);
    writeProbewellDemo(gameDir);
    writeSplashrollDemo(gameDir);
    writeRosterlyDemo(gameDir);
    writeSortiekitDemo(gameDir);
    writeNormalsDemo(gameDir);
    writeMenuDemo(gameDir);
    writeOrdnixDemo(gameDir);
}

} // namespace demogen
