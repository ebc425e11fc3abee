// SPDX-License-Identifier: GPL-3.0-or-later
#include "DelimitedReader.h"

namespace sortiekit {

bool DelimitedReader::atLineEnd() const
{
    return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
}

void DelimitedReader::skipLineEnd()
{
    if (pos_ < text_.size() && text_[pos_] == '\r')
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n')
        ++pos_;
}

void DelimitedReader::skipBlanks()
{
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
        ++pos_;
}

void DelimitedReader::endField()
{
    afterComma_ = false;
    if (pos_ >= text_.size())
        return;
    if (text_[pos_] == ',') {
        ++pos_;
        afterComma_ = true;
    } else {
        skipLineEnd();
    }
}

std::optional<std::string> DelimitedReader::next()
{
    for (;;) {
        skipBlanks();
        if (!atLineEnd())
            break;
        if (afterComma_) {
            // "name," at the end of a line: the second field is empty.
            skipLineEnd();
            afterComma_ = false;
            return std::string();
        }
        skipLineEnd();
    }
    if (pos_ >= text_.size()) {
        if (afterComma_) {
            afterComma_ = false;
            return std::string();
        }
        return std::nullopt;
    }

    std::string field;
    if (text_[pos_] == '"') {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"' && !atLineEnd())
            field += text_[pos_++];
        if (pos_ < text_.size() && text_[pos_] == '"')
            ++pos_;
        // Anything between the closing quote and the delimiter is dropped.
        while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd())
            ++pos_;
    } else {
        while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd())
            field += text_[pos_++];
        const auto last = field.find_last_not_of(" \t");
        field.erase(last == std::string::npos ? 0 : last + 1);
    }
    endField();
    return field;
}

} // namespace sortiekit
