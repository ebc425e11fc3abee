#include "ui/TForm1.h"

#include "common/ui/WindowProgram.h"

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, "Wingsmith", [](const QStringList&) -> std::unique_ptr<QWidget> {
        return std::make_unique<wingsmith::TForm1>(wingsmith::Settings(wingsmith::Settings::defaultLocation()));
    });
}
