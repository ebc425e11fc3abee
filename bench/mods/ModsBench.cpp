// SPDX-License-Identifier: GPL-3.0-or-later
// Installing and removing a mod of 1,000 field changes over 45 files: the
// demo's 30 loose flight records and planes.dat, the two archives,
// loadout.dat, four squadron files, airfield.dat and six menu files. Run a Release build:
// build-release/bench/mods_bench
#include "mods/core/GameFileKinds.h"
#include "mods/core/InstallationFiles.h"
#include "mods/core/ModOperations.h"

#include "mods/testing/DemoGame.h"

#include "common/core/SystemCalls.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

fs::path writeGame()
{
    const fs::path game = fs::temp_directory_path() / ("mods-bench-" + std::to_string(common::sys::processId()));
    fs::remove_all(game);
    modstest::writeDemoGame(game, true);
    return game;
}

// Fields of every catalogued file, flipped in their lowest bit, taken from
// the files in turn until the mod holds `count` changes; values the field
// refuses or the game does not know are passed over.
mods::Mod makeMod(const fs::path& game, std::size_t count)
{
    std::vector<mods::FileChange> candidates;
    for (const auto& [key, name] : mods::listInstallationFiles(game)) {
        const auto* catalogue = mods::catalogueFor(name);
        if (!catalogue)
            continue;
        const auto bytes = mods::readBytes(game / name);
        mods::FileChange change{.file = name, .kind = std::string(catalogue->kind())};
        for (const auto& p : catalogue->fields(bytes)) {
            if (change.fields.size() == count)
                break;
            if (auto c = modstest::flippedField(*catalogue, bytes, p, 1))
                change.fields.push_back(std::move(*c));
        }
        candidates.push_back(std::move(change));
    }
    mods::Mod mod;
    mod.name = "Bench";
    mod.version = "1.0.0";
    for (auto& c : candidates)
        mod.files.push_back({.file = c.file, .kind = c.kind});
    std::size_t taken = 0;
    for (std::size_t round = 0; taken < count && round < count; ++round)
        for (std::size_t f = 0; f < candidates.size() && taken < count; ++f)
            if (round < candidates[f].fields.size()) {
                mod.files[f].fields.push_back(candidates[f].fields[round]);
                ++taken;
            }
    std::erase_if(mod.files, [](const mods::FileChange& f) { return f.fields.empty(); });
    return mod;
}

void InstallAndRemove(benchmark::State& state)
{
    const fs::path game = writeGame();
    const mods::Mod mod = makeMod(game, 1000);
    if (mod.changeCount() != 1000)
        throw std::runtime_error("the mod holds " + std::to_string(mod.changeCount()) + " changes");
    const bool install = state.range(0) == 1;
    for (auto _ : state) {
        if (install) {
            mods::installMod(mod, game, {});
            state.PauseTiming();
            mods::removeMod(mod.name, game, false);
            state.ResumeTiming();
        } else {
            state.PauseTiming();
            mods::installMod(mod, game, {});
            state.ResumeTiming();
            mods::removeMod(mod.name, game, false);
        }
    }
    state.counters["changes"] = static_cast<double>(mod.changeCount());
    state.counters["files"] = static_cast<double>(mod.files.size());
    fs::remove_all(game);
}
BENCHMARK(InstallAndRemove)->ArgName("install")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
