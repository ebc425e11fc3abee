// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuiltinProcessor.h"

#include "common/core/AtomicWrite.h"
#include "common/core/FileActions.h"
#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/core/TextLines.h"
#include "common/core/PathText.h"

#include <system_error>
#include <vector>

namespace splashroll {

namespace fs = std::filesystem;

namespace {

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !(text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
            ++i;
        if (i > start)
            out.push_back(text.substr(start, i - start));
    }
    return out;
}

bool isReadOnly(const fs::path& p)
{
    std::error_code ec;
    const auto perms = fs::status(p, ec).permissions();
    return !ec && (perms & fs::perms::owner_write) == fs::perms::none;
}

std::string_view lastComponent(std::string_view name)
{
    const auto cut = name.find_last_of("\\/");
    return cut == std::string_view::npos ? name : name.substr(cut + 1);
}

fs::path baseFor(const fs::path& folder, std::string_view name)
{
    const bool absolute = !name.empty() && (name.front() == '\\' || name.front() == '/');
    return absolute ? folder.root_path() : folder;
}

} // namespace

std::optional<fs::path> BuiltinProcessor::find(const fs::path& folder, std::string_view name)
{
    if (name.empty())
        return std::nullopt;
    return common::findNoCase(baseFor(folder, name), name);
}

bool BuiltinProcessor::run(const std::string& command)
{
    reason_.clear();
    const auto w = words(command);
    if (w.size() == 2 && common::equalsNoCase(w[0], "del"))
        return del(w[1]);
    if (w.size() == 3 && common::equalsNoCase(w[0], "copy"))
        return copy(w[1], w[2]);
    return fail("not a command of the built-in processor");
}

bool BuiltinProcessor::fail(std::string reason)
{
    reason_ = std::move(reason);
    return false;
}

bool BuiltinProcessor::del(std::string_view name)
{
    const auto file = find(folder_, name);
    if (!file)
        return true; // nothing to delete is not a failure
    std::error_code ec;
    if (!fs::is_regular_file(*file, ec) || isReadOnly(*file))
        return fail(common::utf8FromPath(*file) + ": " + common::ioErrorText(common::IoFailure::AccessDenied));
    try {
        common::removeFile(*file);
    } catch (const common::IoError& e) {
        return fail(e.describe());
    }
    return true;
}

bool BuiltinProcessor::copy(std::string_view source, std::string_view target)
{
    std::error_code ec;
    const auto from = find(folder_, source);
    if (!from || !fs::is_regular_file(*from, ec))
        return fail(std::string(source) + ": " + common::ioErrorText(common::IoFailure::FileNotFound));

    fs::path to;
    if (const auto existing = find(folder_, target); existing && fs::is_directory(*existing, ec))
        to = common::resolveNoCase(*existing, lastComponent(source));
    else if (existing)
        to = *existing;
    else
        to = common::resolveNoCase(baseFor(folder_, target), target); // a new file takes the spelling given
    if (fs::exists(to, ec)) {
        if (common::sameFile(*from, to))
            return fail(common::utf8FromPath(to) + ": a file cannot be copied onto itself");
        if (!fs::is_regular_file(to, ec) || isReadOnly(to))
            return fail(common::utf8FromPath(to) + ": " + common::ioErrorText(common::IoFailure::AccessDenied));
    }
    try {
        common::writeFileAtomically(to, common::readFileBytes(*from));
    } catch (const common::IoError& e) {
        return fail(e.about(to).describe());
    }
    return true;
}

} // namespace splashroll
