// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;

#include <filesystem>
#include <string>
#include <vector>

namespace common {

// What a window's status line adds when values it shows lie outside what
// the game knows: the first warning and how many more; empty for none.
// Only ever a warning: the window refuses and changes nothing for it.
QString domainNotice(const std::vector<std::string>& warnings);

class FileCatalogue;
// The same for a file as it lies on disk; empty when it cannot be read
// (the window reports that where it reads the file).
QString domainNotice(const FileCatalogue& catalogue, const std::filesystem::path& file);

// `shown`, the first `shownCount` of `count` warnings, with how many more
// there are.
QString withMoreCount(const QString& shown, std::size_t shownCount, std::size_t count);

// A status line's warning label showing `text` with `toolTip`; hidden
// while `text` is empty.
void showDomainLabel(QLabel& label, const QString& text, const QString& toolTip);

// `text` with the notice on a line of its own when there is one.
QString withDomainNotice(const QString& text, const QString& notice);

} // namespace common
