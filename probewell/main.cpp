// probewell: writes Probewell.txt, a report of the Vantor installation in
// the current folder and of its Nimbar add-on folder.
#include "probewell/ui/ReportWindow.h"

#include "common/ui/WindowProgram.h"

#include <filesystem>
#include <memory>
#include <system_error>

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, "Probewell", [](const QStringList&) -> std::unique_ptr<QWidget> {
        std::error_code ec;
        std::filesystem::path folder = std::filesystem::current_path(ec);
        return std::make_unique<probewell::ReportWindow>(ec ? std::filesystem::path(".") : folder);
    });
}
