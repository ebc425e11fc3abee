#include "ui/MainWindow.h"

#include "common/ui/WindowProgram.h"

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, "Wingsmith", [](const QStringList&) -> std::unique_ptr<QWidget> {
        return std::make_unique<wingsmith::MainWindow>(wingsmith::Settings(wingsmith::Settings::defaultLocation()));
    });
}
