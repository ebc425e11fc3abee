// sortiekit: chooses the airfields of the two Allied and two Luftwaffe
// bases; run it in the game folder.
#include "sortiekit/ui/SortiekitWindow.h"

#include "common/ui/WindowProgram.h"

#include <QDir>

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, "Sortiekit", [](const QStringList&) {
        return std::unique_ptr<QWidget>(std::make_unique<sortiekit::SortiekitWindow>(QDir::currentPath()));
    });
}
