// SPDX-License-Identifier: GPL-3.0-or-later
#include "DomainNotice.h"

#include "CoreText.h"

#include "common/core/FileCatalogue.h"
#include "common/core/IoError.h"
#include "common/core/TextLines.h"

#include <QCoreApplication>
#include <QLabel>

namespace common {

QString domainNotice(const std::vector<std::string>& warnings)
{
    if (warnings.empty())
        return {};
    return withMoreCount(QCoreApplication::translate("common::DomainNotice", "Not known to the game: %1")
                             .arg(coreText(warnings.front())),
               1, warnings.size())
        + QLatin1Char('.');
}

QString withMoreCount(const QString& shown, std::size_t shownCount, std::size_t count)
{
    if (count <= shownCount)
        return shown;
    return shown
        + QCoreApplication::translate(
            "common::DomainNotice", " (and %n more)", nullptr, static_cast<int>(count - shownCount));
}

void showDomainLabel(QLabel& label, const QString& text, const QString& toolTip)
{
    label.setText(text);
    label.setToolTip(text.isEmpty() ? QString() : toolTip);
    label.setVisible(!text.isEmpty());
}

QString domainNotice(const FileCatalogue& catalogue, const std::filesystem::path& file)
{
    std::string bytes;
    try {
        bytes = readFileBytes(file);
    } catch (const IoError&) {
        return {};
    }
    const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    return domainNotice(catalogue.domainWarnings(data));
}

QString withDomainNotice(const QString& text, const QString& notice)
{
    return notice.isEmpty() ? text : text + QLatin1Char('\n') + notice;
}

} // namespace common
