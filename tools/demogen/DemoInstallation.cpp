#include "DemoInstallation.h"

#include "WingsmithDemo.h"

namespace demogen {

void writeDemoInstallation(const std::filesystem::path& gameDir)
{
    std::filesystem::create_directories(gameDir);
    writeWingsmithDemo(gameDir);
}

} // namespace demogen
