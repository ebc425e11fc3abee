// sortiekit: chooses the airfields of the two Allied and two Luftwaffe
// bases; run it in the game folder.
#include "sortiekit/ui/BasesWindow.h"
#include "common/ui/NativePath.h"

#include "common/ui/WindowProgram.h"

#include <QDir>

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, "Sortiekit", [](const QStringList&) {
        return std::unique_ptr<QWidget>(std::make_unique<sortiekit::BasesWindow>(common::currentFolderText()));
    });
}
