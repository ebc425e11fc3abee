// SPDX-License-Identifier: GPL-3.0-or-later
#include "NativePath.h"

#include "common/core/Utf8.h"

#include <QDir>

#include <string>
#include <system_error>

namespace common {

namespace {

constexpr char16_t kEscape = 0xDC00;

} // namespace

QString pathText(const std::filesystem::path& path)
{
#ifdef _WIN32
    return QDir::fromNativeSeparators(QString::fromStdWString(path.native()));
#else
    const std::string& bytes = path.native();
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        const Utf8Sequence sequence = utf8At(bytes, at);
        if (sequence.length == 0) {
            text.append(QChar(static_cast<char16_t>(kEscape | static_cast<unsigned char>(bytes[at]))));
            ++at;
            continue;
        }
        const char32_t code = sequence.code;
        text.append(QString::fromUcs4(&code, 1));
        at += sequence.length;
    }
    return text;
#endif
}

std::filesystem::path nativePath(const QString& text)
{
#ifdef _WIN32
    return std::filesystem::path(text.toStdWString());
#else
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t unit = text.at(i).unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < n && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            appendUtf8(bytes, QChar::surrogateToUcs4(unit, text.at(i + 1).unicode()));
            ++i;
        } else if (unit >= 0xDC80 && unit <= 0xDCFF) {
            bytes.push_back(static_cast<char>(unit & 0xFF));
        } else if (QChar::isSurrogate(unit)) {
            appendUtf8(bytes, 0xFFFD); // a stray half that no name gave
        } else {
            appendUtf8(bytes, unit);
        }
    }
    return std::filesystem::path(std::move(bytes));
#endif
}

QString currentFolderText()
{
    return pathText(std::filesystem::current_path());
}

QString absolutePathText(const QString& text)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(nativePath(text), ec);
    return ec ? text : pathText(absolute.lexically_normal());
}

} // namespace common
