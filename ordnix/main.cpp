// ordnix [FILE]: the loadout editor, working on the game folder it is
// started in. With FILE it opens that file instead of asking for one.
#include "ui/LoadoutEditorWindow.h"

#include "common/ui/WindowProgram.h"

#include <filesystem>

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, "Ordnix", [](const QStringList& arguments) -> std::unique_ptr<QWidget> {
        std::optional<QString> file;
        if (!arguments.isEmpty())
            file = arguments.front();
        return std::make_unique<ordnix::LoadoutEditorWindow>(std::filesystem::current_path(), file);
    });
}
