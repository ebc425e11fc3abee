#include "common/ui/CoreText.h"

namespace common {

QString coreText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString gameText(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString failureText(const std::exception& failure)
{
    return coreText(failure.what());
}

QString failureDescription(const IoError& failure)
{
    return coreText(failure.describe());
}

} // namespace common
