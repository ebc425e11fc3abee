// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderListing.h"
#include "common/ui/CoreText.h"

#include "NativePath.h"

#include "common/core/IoError.h"
#include "common/core/TextLines.h"

#include <QBuffer>
#include <QImageReader>
#include <QRegularExpression>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace common {

namespace {

QStringList names(const QString& folder, bool wantFolders, bool hidden, const QStringList& patterns)
{
    std::vector<QRegularExpression> matchers;
    for (const QString& p : patterns)
        matchers.emplace_back(
            QRegularExpression::wildcardToRegularExpression(p), QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    std::error_code ec;
    std::filesystem::directory_iterator it(nativePath(folder), ec);
    for (const std::filesystem::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        const bool isFolder = it->is_directory(typeError);
        if (isFolder != wantFolders || (!isFolder && !it->is_regular_file(typeError)))
            continue;
        const QString name = pathText(it->path().filename());
        if (!hidden && name.startsWith(QLatin1Char('.')))
            continue;
        if (!matchers.empty() && std::none_of(matchers.begin(), matchers.end(), [&](const QRegularExpression& m) {
                return m.match(name).hasMatch();
            }))
            continue;
        out << name;
    }
    std::sort(out.begin(), out.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return out;
}

} // namespace

QStringList subfolderNames(const QString& folder, bool hidden)
{
    return names(folder, true, hidden, {});
}

QStringList fileNames(const QString& folder, const QStringList& patterns)
{
    return names(folder, false, false, patterns);
}

QImage readPicture(const QString& path, QString* error)
{
    QByteArray bytes;
    try {
        const std::string read = readFileBytes(nativePath(path));
        bytes = QByteArray(read.data(), static_cast<qsizetype>(read.size()));
    } catch (const IoError& e) {
        if (error)
            *error = failureText(e);
        return {};
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly); // in memory
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull() && error)
        *error = reader.errorString();
    return image;
}

} // namespace common
