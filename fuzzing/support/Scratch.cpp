// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scratch.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

namespace fuzzing {

namespace fs = std::filesystem;

namespace {

struct Owner {
    fs::path path;
    Owner()
    {
        // Memory-backed where there is one: the fuzzer writes files all the time.
        std::error_code ec;
        const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "vantor-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a scratch folder in " + base.string());
        path = pattern;
    }
    ~Owner()
    {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

} // namespace

const fs::path& Scratch::folder()
{
    static const Owner owner;
    return owner.path;
}

fs::path Scratch::freshFolder(std::string_view name)
{
    const fs::path dir = folder() / name;
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    return dir;
}

void Scratch::writeFile(const fs::path& path, std::span<const std::uint8_t> bytes, std::uint64_t offset)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        throw std::runtime_error("cannot create " + path.string());
    bool ok = std::fseek(f, static_cast<long>(offset), SEEK_SET) == 0;
    if (ok && !bytes.empty())
        ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace fuzzing
