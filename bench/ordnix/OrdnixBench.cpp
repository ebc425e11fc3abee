// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the loadout image: loading, naming the records and finding
// the changed bytes, on the demo loadout.dat and on a 1 MiB file. Run a
// Release build: build-release/ordnix/ordnix_bench
#include "ordnix/core/ChangeScript.h"
#include "ordnix/core/LoadoutFile.h"
#include "ordnix/core/NameLists.h"
#include "ordnix/core/RecordList.h"

#include "tools/demogen/OrdnixDemo.h"

#include "common/core/AtomicWrite.h"
#include "common/core/SystemCalls.h"
#include "common/core/TextLines.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMiB = 1024 * 1024;

// The files, written once into a folder removed at exit.
struct BenchFiles {
    fs::path dir = fs::temp_directory_path() / ("ordnix-bench-" + std::to_string(common::sys::processId()));

    BenchFiles()
    {
        fs::create_directories(dir);
        auto demo = demogen::buildDemoLoadout();
        common::writeFileAtomically(dir / "loadout.dat", demo);
        demo.resize(kMiB, 7);
        common::writeFileAtomically(dir / "big.dat", demo);
        common::writeFileAtomically(dir / "Planes.txt", common::joinCrlfLines(demogen::demoPlaneNames()));
    }
    ~BenchFiles()
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

const BenchFiles& files()
{
    static const BenchFiles instance;
    return instance;
}

const char* fileName(std::int64_t which)
{
    return which == 0 ? "loadout.dat" : "big.dat";
}

void BM_LoadFile(benchmark::State& state)
{
    const fs::path dir = files().dir;
    std::size_t steps = 0;
    for (auto _ : state) {
        ordnix::LoadoutImage image = ordnix::LoadFile(dir, fileName(state.range(0)), [&](std::size_t) { ++steps; });
        benchmark::DoNotOptimize(image);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations())
        * static_cast<std::int64_t>(fs::file_size(dir / fileName(state.range(0)))));
}
BENCHMARK(BM_LoadFile)->Arg(0)->Arg(1)->ArgName("1MiB")->Unit(benchmark::kMicrosecond);

void BM_NameRecords(benchmark::State& state)
{
    const ordnix::LoadoutImage image = ordnix::LoadFile(files().dir, fileName(state.range(0)));
    const ordnix::NameLists lists = ordnix::LoadLists(files().dir);
    for (auto _ : state)
        benchmark::DoNotOptimize(ordnix::NameRecords(image, lists.planes));
}
BENCHMARK(BM_NameRecords)->Arg(0)->Arg(1)->ArgName("1MiB")->Unit(benchmark::kMicrosecond);

// Edits every 1000th byte; with typed=1 one of them is a typed text ("03"),
// which makes the comparison go by text instead of by byte.
void BM_ChangedBytes(benchmark::State& state)
{
    ordnix::LoadoutImage image = ordnix::LoadFile(files().dir, fileName(state.range(0)));
    for (std::size_t pos = 1; pos <= image.size(); pos += 1000)
        image.setCurrent(pos, image.currentText(pos) == "1" ? "2" : "1");
    if (state.range(1) != 0)
        image.setCurrent(9, "03");
    for (auto _ : state)
        benchmark::DoNotOptimize(ordnix::ChangedBytes(image));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(image.size()));
}
BENCHMARK(BM_ChangedBytes)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"1MiB", "typed"})->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
