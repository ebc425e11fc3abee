// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/core/IoError.h"

#include <QString>

#include <exception>
#include <string_view>

namespace common {

// The one way a window turns the cores' texts into what it shows. The
// cores speak UTF-8 (messages, field names, paths they name); the game's
// own files hold Latin-1 (names in planes.txt, captions, airfields).
QString coreText(std::string_view text);
QString gameText(std::string_view text);

// A failure's text as a window shows it: the fixed wording alone (the
// system's own words for a file failure that has none), or with the file it
// concerns ("NAME: text") for the description, which also says when that
// file is a folder.
QString failureText(const std::exception& failure);
QString failureDescription(const IoError& failure);
// Either, for any failure: a file-layer one with the file it concerns.
QString failureMessage(const std::exception& failure);

// Reading or writing `file` (a path or a name, shown with the system's
// separators) failed: "Cannot read FILE: text".
QString readFailureText(const QString& file, const std::exception& failure);
QString writeFailureText(const QString& file, const std::exception& failure);

} // namespace common
