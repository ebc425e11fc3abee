// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempDir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace common {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (;;) {
        path_ = fs::temp_directory_path()
            / ("vantor-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::error_code ec;
        if (fs::create_directory(path_, ec))
            break;
        if (ec)
            throw std::runtime_error("cannot create temporary folder: " + ec.message());
    }
}

TempDir::~TempDir()
{
    std::error_code ec;
    // Files a test made read-only must not keep the folder alive.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::vector<std::uint8_t> readAllBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAllBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::string readAllText(const fs::path& path)
{
    const auto bytes = readAllBytes(path);
    return {bytes.begin(), bytes.end()};
}

void writeAllText(const fs::path& path, std::string_view text)
{
    writeAllBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

} // namespace common
