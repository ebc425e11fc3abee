// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ui/CoreText.h"

#include "common/ui/NativePath.h"

#include <QCoreApplication>
#include <QDir>

#include <cstring>
#include <filesystem>
#include <system_error>

namespace common {

QString coreText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString gameText(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

// The fixed wording, not a sentence of its own (a refused backup's).
bool plainWording(const IoError& failure)
{
    return failure.what() == ioErrorText(failure.failure(), failure.code());
}

} // namespace

QString failureText(const std::exception& failure)
{
    const auto* io = dynamic_cast<const IoError*>(&failure);
    // "I/O error 39" tells a user nothing the system's words do not.
    if (io && io->failure() == IoFailure::Other && io->code() != 0 && plainWording(*io))
        return QString::fromLocal8Bit(std::strerror(io->code()));
    return coreText(failure.what());
}

QString failureMessage(const std::exception& failure)
{
    if (const auto* io = dynamic_cast<const IoError*>(&failure))
        return failureDescription(*io);
    return failureText(failure);
}

QString failureDescription(const IoError& failure)
{
    if (!plainWording(failure))
        return coreText(failure.describe());
    QString reason = failureText(failure);
    std::error_code error;
    if (!failure.path().empty() && std::filesystem::is_directory(failure.path(), error))
        reason += QCoreApplication::translate("common", " (it is a folder, not a file)");
    if (failure.path().empty())
        return reason;
    return pathText(failure.path().filename()) + QStringLiteral(": ") + reason;
}

QString readFailureText(const QString& file, const std::exception& failure)
{
    return QCoreApplication::translate("common", "Cannot read %1: %2")
        .arg(QDir::toNativeSeparators(file), failureText(failure));
}

QString writeFailureText(const QString& file, const std::exception& failure)
{
    return QCoreApplication::translate("common", "Cannot write %1: %2")
        .arg(QDir::toNativeSeparators(file), failureText(failure));
}

} // namespace common
