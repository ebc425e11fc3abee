// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoadoutImage.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ordnix {

// Told the number of bytes read so far, now and then while a file loads,
// and once more at the end.
using LoadProgress = std::function<void(std::size_t bytesRead)>;

// Loads a whole loadout file into a fresh image. An empty name means
// loadout.dat in `dir`; a relative name is taken in `dir`. A file too short
// for the 180 records, or for the mission option block of an aircraft code
// one of them uses, is refused with LoadoutError; read failures throw
// common::IoError.
LoadoutImage LoadFile(const std::filesystem::path& dir, const std::string& name, const LoadProgress& progress = {});

// Throws LoadoutError when the image is too short for the records and the
// option blocks of the aircraft codes they hold.
void CheckLoadoutLength(const LoadoutImage& image);

// Names of the files in `dir` matching "loadout.*" without regard to
// letter case, sorted.
std::vector<std::string> ListLoadoutFiles(const std::filesystem::path& dir);

// Where a save goes. Replacing: `loaded` itself when it is the loadout.dat
// of `dir` in whatever spelling (a folder may hold several), else the
// existing loadout.dat, else "Loadout.dat". Otherwise "Loadout.NNN", NNN
// being the number of loadout files in `dir`, or the next number not yet
// taken. Never names an existing numbered copy; throws LoadoutError when all
// 1000 are taken. A relative `loaded` is taken in `dir`.
std::filesystem::path SaveFileName(const std::filesystem::path& dir, bool replace,
    const std::filesystem::path& loaded = {});

// The file contents the current values stand for, one byte per entry.
// Throws LoadoutError naming the first position whose text is not a whole
// number from 0 to 255.
std::vector<std::uint8_t> ImageBytes(const LoadoutImage& image);

// Writes the current values to SaveFileName(dir, replace, the image's file)
// and returns that
// name. The bytes are checked before anything is written, and the file is
// replaced as a whole, so a refused or failed save changes no file.
std::filesystem::path SaveImage(const LoadoutImage& image, const std::filesystem::path& dir, bool replace);

} // namespace ordnix
