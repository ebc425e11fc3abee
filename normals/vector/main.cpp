// vector [MODEL.3dz]: computes the normals of a 3dz model's polygons.
#include "vector/ui/MainWindow.h"

#include "common/ui/WindowProgram.h"

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, "vector", [](const QStringList& arguments) {
        auto window = std::make_unique<vector::MainWindow>();
        if (!arguments.isEmpty())
            window->openModelFile(arguments.first());
        return window;
    });
}
