// SPDX-License-Identifier: GPL-3.0-or-later
// The system calls that are the same on every system (std::filesystem).
#include "SystemCalls.h"

#include "FileFaults.h"
#include "IoError.h"

#include <vector>

namespace common::sys {

namespace fs = std::filesystem;

void writeAt(int fd, std::uint64_t pos, std::span<const std::uint8_t> data, const fs::path& shown)
{
    if (const int err = FileFaults::check(FileOp::Write))
        throw IoError::fromErrno(err, shown);
    std::vector<std::uint8_t> spoiled;
    if (FileFaults::corruptsThisWrite() && !data.empty()) {
        spoiled.assign(data.begin(), data.end());
        spoiled[0] ^= 0xFF;
        data = spoiled;
    }
    if (const int err = writeAllAt(fd, pos, data))
        throw IoError::fromErrno(err, shown);
}

void restoreAt(int fd, std::uint64_t pos, std::span<const std::uint8_t> data)
{
    writeAllAt(fd, pos, data);
}

std::string windowsCommandLine(const std::vector<std::string>& arguments)
{
    // The rules of CommandLineToArgvW and the C runtime's start-up code:
    // backslashes are literal except before a quote, where each one must be
    // doubled; a quote inside quotes is escaped with one.
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty())
            line += ' ';
        if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) {
            line += argument;
            continue;
        }
        line += '"';
        std::size_t backslashes = 0;
        for (const char c : argument) {
            if (c == '\\') {
                ++backslashes;
                continue;
            }
            line.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
            backslashes = 0;
            line += c;
        }
        line.append(2 * backslashes, '\\');
        line += '"';
    }
    return line;
}

fs::path finalTarget(const fs::path& path)
{
    fs::path p = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)))
            return p;
        const fs::path link = fs::read_symlink(p, ec);
        if (ec)
            return p;
        p = link.is_absolute() ? link : p.parent_path() / link;
    }
    return p;
}

} // namespace common::sys
