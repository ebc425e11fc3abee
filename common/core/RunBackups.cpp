#include "RunBackups.h"

#include "AtomicWrite.h"
#include "IoError.h"
#include "SystemCalls.h"

#include <ctime>
#include <map>

namespace common {

namespace fs = std::filesystem;

namespace {

struct Run {
    bool active = false;
    std::string program;
    fs::path gameFolder;
    std::string stamp;                  // fixed at the first backup
    std::map<fs::path, fs::path> copies; // original (absolute) -> backup
    std::optional<fs::path> lastFolder;
};

Run& run()
{
    static Run r;
    return r;
}

std::string timeStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

fs::path absoluteQuietly(const fs::path& p)
{
    std::error_code ec;
    fs::path a = fs::weakly_canonical(fs::absolute(p, ec), ec);
    return ec ? p : a;
}

// The folder below Backups/ and the path of the copy inside it.
std::pair<fs::path, fs::path> placeFor(const Run& r, const fs::path& file)
{
    const std::string runName = r.program + "-" + r.stamp;
    if (!r.gameFolder.empty()) {
        const fs::path game = absoluteQuietly(r.gameFolder);
        const fs::path rel = file.lexically_relative(game);
        if (!rel.empty() && *rel.begin() != ".." && rel.is_relative())
            return {game / "Backups" / runName, rel};
    }
    return {file.parent_path() / "Backups" / runName, file.filename()};
}

} // namespace

void RunBackups::start(std::string program, fs::path gameFolder)
{
    run() = Run{};
    run().active = true;
    run().program = std::move(program);
    run().gameFolder = std::move(gameFolder);
}

void RunBackups::setGameFolder(fs::path gameFolder)
{
    run().gameFolder = std::move(gameFolder);
}

void RunBackups::stop()
{
    run() = Run{};
}

bool RunBackups::active()
{
    return run().active;
}

void RunBackups::beforeChange(const fs::path& file)
{
    Run& r = run();
    if (!r.active)
        return;
    std::error_code ec;
    const fs::path real = absoluteQuietly(sys::finalTarget(file));
    if (r.copies.count(real) || !fs::is_regular_file(real, ec))
        return;
    if (r.stamp.empty())
        r.stamp = timeStamp();
    auto [folder, rel] = placeFor(r, real);
    const fs::path copy = folder / rel;
    try {
        const auto bytes = sys::readWhole(real, file);
        fs::create_directories(copy.parent_path(), ec);
        if (ec)
            throw IoError::fromErrno(ec.value(), copy.parent_path());
        writeNewFileWhole(copy, bytes);
    } catch (const IoError& e) {
        throw e.withSentence("Could not back up " + file.filename().string() + " (" + e.describe()
            + "), so it was left as it was.");
    }
    r.copies.emplace(real, copy);
    r.lastFolder = folder;
}

int RunBackups::count()
{
    return static_cast<int>(run().copies.size());
}

std::optional<fs::path> RunBackups::lastFolder()
{
    return run().lastFolder;
}

std::optional<fs::path> RunBackups::backupOf(const fs::path& file)
{
    const auto it = run().copies.find(absoluteQuietly(sys::finalTarget(file)));
    if (it == run().copies.end())
        return std::nullopt;
    return it->second;
}

} // namespace common
