#include "DomainNotice.h"

#include "CoreText.h"

#include "common/core/FileCatalogue.h"
#include "common/core/IoError.h"
#include "common/core/TextLines.h"

#include <QCoreApplication>

namespace common {

QString domainNotice(const std::vector<std::string>& warnings)
{
    if (warnings.empty())
        return {};
    QString notice = QCoreApplication::translate("common::DomainNotice", "Not known to the game: %1")
                         .arg(coreText(warnings.front()));
    if (warnings.size() > 1)
        notice += QCoreApplication::translate(
            "common::DomainNotice", " (and %n more)", nullptr, static_cast<int>(warnings.size() - 1));
    return notice + QLatin1Char('.');
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
