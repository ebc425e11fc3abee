#pragma once

#include <QString>

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

// `text` with the notice on a line of its own when there is one.
QString withDomainNotice(const QString& text, const QString& notice);

} // namespace common
