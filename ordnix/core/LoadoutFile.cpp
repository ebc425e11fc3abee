// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutFile.h"

#include "LoadoutError.h"
#include "LoadoutLayout.h"
#include "ValueText.h"

#include "common/core/AtomicWrite.h"
#include "common/core/BinaryFile.h"
#include "common/core/FileLookup.h"
#include "common/core/ShownText.h"
#include "common/core/IoError.h"
#include "common/core/PathText.h"

#include <algorithm>
#include <system_error>

namespace ordnix {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kProgressStep = 64 * 1024;
constexpr std::string_view kLoadoutStem = "loadout.";

bool isLoadoutName(const std::string& name)
{
    return name.size() >= kLoadoutStem.size()
        && common::equalsNoCase(std::string_view(name).substr(0, kLoadoutStem.size()), kLoadoutStem);
}

std::string byteCount(std::size_t n)
{
    return std::to_string(n) + (n == 1 ? " byte" : " bytes");
}

std::string threeDigits(std::size_t n)
{
    const std::string padded = "000" + std::to_string(n);
    return padded.substr(padded.size() - 3);
}

} // namespace

LoadoutImage LoadFile(const fs::path& dir, const std::string& name, const LoadProgress& progress)
{
    fs::path path;
    if (name.empty())
        path = common::resolveNoCase(dir, "loadout.dat");
    else if (common::pathFromUtf8(name).is_absolute())
        path = common::pathFromUtf8(name);
    else
        path = dir / common::pathFromUtf8(name);

    // Read straight into the buffer the image keeps: not cleared first, and
    // not copied afterwards.
    ValueColumn::Bytes bytes;
    try {
        common::BinaryFile file = common::BinaryFile::open(path, common::BinaryFile::Mode::Read);
        const auto size = static_cast<std::size_t>(file.size());
        bytes.resize(size);
        // Read in steps, so that the count shown while loading stays true
        // without costing a call per byte.
        for (std::size_t done = 0; done < size;) {
            const std::size_t step = std::min(kProgressStep, size - done);
            file.read(done, std::span<std::uint8_t>(bytes.data() + done, step));
            done += step;
            if (progress)
                progress(done);
        }
        file.close();
    } catch (const common::IoError& e) {
        throw e.about(path);
    }
    if (progress && bytes.empty())
        progress(0);

    LoadoutImage image = LoadoutImage::fromBytes(
        std::move(bytes), name.empty() ? fs::path("loadout.dat") : common::pathFromUtf8(name));
    CheckLoadoutLength(image);
    return image;
}

void CheckLoadoutLength(const LoadoutImage& image)
{
    const std::string shown = image.shownName();
    if (image.size() < kRecordsEnd)
        throw LoadoutError(shown + " is too short for a loadout file: it holds " + byteCount(image.size())
            + ", but its 180 records alone need " + std::to_string(kRecordsEnd) + ".");
    const auto& values = image.current();
    for (std::size_t i = 0; i < kRecordCount; ++i) {
        const std::size_t at = RecordStart(i) - 1;
        const double number = values.isPlain(at) ? values.plainValue(at) : LeadingNumber(values.text(at));
        const std::size_t code = number > 0 ? static_cast<std::size_t>(number) : 0;
        const std::size_t needed = LastOptionPosition(code);
        if (image.size() < needed)
            throw LoadoutError(shown + " is too short for a loadout file: it holds " + byteCount(image.size())
                + ", but record " + std::to_string(i + 1) + " uses aircraft code " + std::to_string(code)
                + ", whose mission options need " + std::to_string(needed) + ".");
    }
}

std::vector<std::string> ListLoadoutFiles(const fs::path& dir)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        std::string name = common::utf8FromPath(it->path().filename());
        if (isLoadoutName(name))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

fs::path SaveFileName(const fs::path& dir, bool replace, const fs::path& loaded)
{
    if (replace) {
        if (!loaded.empty() && common::equalsNoCase(common::utf8FromPath(loaded.filename()), "loadout.dat")) {
            const fs::path file = loaded.is_absolute() ? loaded : dir / loaded;
            if (common::sameFile(file.parent_path(), dir))
                return file;
        }
        return common::resolveNoCase(dir, "Loadout.dat");
    }
    const std::vector<std::string> existing = ListLoadoutFiles(dir);
    std::error_code ec;
    auto taken = [&](const std::string& name) {
        return std::any_of(existing.begin(), existing.end(), [&](const std::string& e) {
            return common::equalsNoCase(e, name);
        }) || fs::exists(dir / common::pathFromUtf8(name), ec);
    };
    for (std::size_t n = existing.size(), tries = 0; tries < 1000; ++n, ++tries) {
        const std::string name = "Loadout." + threeDigits(n % 1000);
        if (!taken(name))
            return dir / common::pathFromUtf8(name);
    }
    throw LoadoutError("There is no free number left for a copy of loadout.dat in " + common::utf8FromPath(dir)
        + ": Loadout.000 to Loadout.999 all exist.");
}

std::vector<std::uint8_t> ImageBytes(const LoadoutImage& image)
{
    const auto& values = image.current();
    if (values.allPlain())
        return std::vector<std::uint8_t>(values.plainValues().begin(), values.plainValues().end());
    std::vector<std::uint8_t> bytes(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values.isPlain(i)) {
            bytes[i] = values.plainValue(i);
            continue;
        }
        const std::string text = values.text(i);
        const auto byte = ToByteValue(text);
        if (!byte)
            throw LoadoutError("Position " + std::to_string(i + 1) + " holds \"" + common::shownText(text)
                + "\", which is not a whole number from 0 to 255. Nothing was saved.");
        bytes[i] = *byte;
    }
    return bytes;
}

fs::path SaveImage(const LoadoutImage& image, const fs::path& dir, bool replace)
{
    const std::vector<std::uint8_t> bytes = ImageBytes(image);
    const fs::path target = SaveFileName(dir, replace, image.fileName());
    try {
        common::writeFileAtomically(target, bytes);
    } catch (const common::IoError& e) {
        throw e.about(target);
    }
    return target;
}

} // namespace ordnix
