// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "CommandArguments.h"

#include "common/core/AtomicWrite.h"
#include "common/core/IoError.h"
#include "common/core/PathText.h"
#include "common/core/ShownText.h"
#include "common/core/SystemCalls.h"
#include "common/core/TextLines.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace vantorcli {

namespace {

// The first failure writing standard output, kept for checkStandardOutput().
int standardOutputErrno = 0;

} // namespace

bool isStandardStream(const std::filesystem::path& path)
{
    return path == "-";
}

void writeStandardOutput(std::string_view bytes)
{
    if (!common::sys::writeText(stdout, bytes) && standardOutputErrno == 0)
        standardOutputErrno = errno != 0 ? errno : EIO;
}

void writeStandardError(std::string_view text)
{
    common::sys::writeText(stderr, text);
}

void checkStandardOutput()
{
    if (std::fflush(stdout) != 0 && standardOutputErrno == 0)
        standardOutputErrno = errno != 0 ? errno : EIO;
    if (std::ferror(stdout) && standardOutputErrno == 0)
        standardOutputErrno = EIO;
    if (standardOutputErrno != 0)
        throw common::IoError::fromErrno(standardOutputErrno)
            .withSentence("standard output: "
                + common::ioErrorText(common::ioFailureFromErrno(standardOutputErrno), standardOutputErrno));
}

void writeResult(const std::optional<std::filesystem::path>& file, std::string_view bytes)
{
    if (file && !isStandardStream(*file))
        common::writeFileAtomically(*file, bytes);
    else
        writeStandardOutput(bytes);
}

std::optional<std::filesystem::path> outputOption(const CommandArguments& arguments)
{
    if (const auto o = arguments.value("o"))
        return toPath(*o);
    return std::nullopt;
}

void refuseFolder(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw Refusal(shown(path) + " is a folder");
}

std::string readInput(const std::filesystem::path& path)
{
    if (isStandardStream(path))
        return common::readStandardInput();
    refuseFolder(path);
    try {
        return common::readFileBytes(path);
    } catch (const common::IoError& e) {
        throw e.about(path);
    }
}

std::string readTextInput(const std::filesystem::path& path)
{
    std::string text = readInput(path);
    if (const auto nul = text.find('\0'); nul != std::string::npos) {
        const auto line = 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(nul), '\n');
        throw Refusal(aboutFile(path, "line " + std::to_string(line) + " holds a NUL byte, so it is no text file"));
    }
    return text;
}

std::string aboutFile(const std::filesystem::path& path, const std::string& why)
{
    return shown(path) + ": " + why;
}

std::string shown(const std::string& argument)
{
    return common::shownText(argument);
}

std::string shown(const std::filesystem::path& path)
{
    return common::shownText(common::utf8FromPath(path));
}

} // namespace vantorcli
