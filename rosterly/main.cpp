// rosterly [FILE]: changes the aircraft of a squadron; FILE is loaded at
// start-up as if chosen with "Load Sqd".
#include "rosterly/ui/SquadronWindow.h"
#include "common/ui/NativePath.h"

#include "common/ui/WindowProgram.h"

#include <QDir>
#include <QFileInfo>

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, "Rosterly", [](const QStringList& arguments) {
        auto window = std::make_unique<rosterly::SquadronWindow>(common::currentFolderText());
        if (!arguments.isEmpty())
            window->loadSquadronFile(common::absolutePathText(arguments.first()));
        return std::unique_ptr<QWidget>(std::move(window));
    });
}
