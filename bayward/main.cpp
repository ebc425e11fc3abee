// Bayward: places the five buttons of a hangar screen on a picture of it
// and writes the side's hangar menu file.
#include "bayward/ui/ButtonTableWindow.h"

#include "common/ui/WindowProgram.h"

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, QStringLiteral("Bayward"),
        [](const QStringList&) -> std::unique_ptr<QWidget> { return std::make_unique<bayward::ButtonTableWindow>(); });
}
