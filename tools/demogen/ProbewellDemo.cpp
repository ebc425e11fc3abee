// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProbewellDemo.h"

#include "common/core/AtomicWrite.h"

#include <array>

namespace demogen {

namespace fs = std::filesystem;

namespace {

struct SetFolder {
    const char* name;
    std::array<const char*, 3> files;
};

// Add-on sets, each a folder of replacement files the selector tool swaps in.
constexpr std::array<SetFolder, 3> kSets{{
    {"Summer44", {"P51D.FLT", "SP09.FLT", "set.txt"}},
    {"Winter44", {"P47D.FLT", "FW19.FLT", "set.txt"}},
    {"Desert42", {"HURR.FLT", "BF09.FLT", "set.txt"}},
}};

std::string crlf(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace

std::string buildDemoLastNimbarDir()
{
    return crlf({"Nimbar\\Summer44"});
}

std::string buildDemoFoldersLoaded()
{
    return crlf({"Summer44", "Desert42"});
}

std::string buildDemoPlanesLoaded()
{
    return crlf({"P51D.FLT  Summer44", "SP09.FLT  Summer44", "HURR.FLT  Desert42", "BF09.FLT  Desert42"});
}

void writeProbewellDemo(const fs::path& gameDir)
{
    const fs::path nimbar = gameDir / "Nimbar";
    for (const SetFolder& set : kSets) {
        fs::create_directories(nimbar / set.name);
        for (const char* file : set.files)
            common::writeFileAtomically(nimbar / set.name / file,
                std::string("Nimbar demo set ") + set.name + ", file " + file + "\r\n");
    }
    common::writeFileAtomically(nimbar / "Nimbar.ini", crlf({"[Nimbar]", "Version=2.1", "Sets=3"}));
    common::writeFileAtomically(nimbar / "FoldersLoaded.txt", buildDemoFoldersLoaded());
    common::writeFileAtomically(nimbar / "PlanesLoaded.txt", buildDemoPlanesLoaded());
    common::writeFileAtomically(gameDir / "LastNimbarDir", buildDemoLastNimbarDir());
}

} // namespace demogen
