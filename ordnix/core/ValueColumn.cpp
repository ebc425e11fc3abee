// SPDX-License-Identifier: GPL-3.0-or-later
#include "ValueColumn.h"

#include "ValueText.h"

namespace ordnix {

ValueColumn::ValueColumn() : bytes_(std::make_shared<Bytes>()) {}

ValueColumn::ValueColumn(std::shared_ptr<Bytes> bytes) : bytes_(std::move(bytes)) {}

ValueColumn::Bytes& ValueColumn::ownBytes()
{
    if (bytes_.use_count() > 1)
        bytes_ = std::make_shared<Bytes>(*bytes_);
    return *bytes_;
}

std::string ValueColumn::text(std::size_t index) const
{
    if (!texts_.empty()) {
        const auto it = texts_.find(index);
        if (it != texts_.end())
            return it->second;
    }
    return std::to_string(bytes_->at(index));
}

void ValueColumn::setText(std::size_t index, std::string_view text)
{
    std::uint8_t& byte = ownBytes().at(index);
    if (IsPlainByteText(text)) {
        byte = *ToByteValue(text);
        texts_.erase(index);
    } else {
        byte = 0;
        texts_.insert_or_assign(index, std::string(text));
    }
}

bool ValueColumn::sameText(std::size_t index, const ValueColumn& other) const
{
    const bool plain = isPlain(index);
    if (plain != other.isPlain(index))
        return false;
    if (plain)
        return bytes_->at(index) == other.bytes_->at(index);
    return texts_.at(index) == other.texts_.at(index);
}

void ValueColumn::copyEntry(std::size_t from, std::size_t to)
{
    Bytes& bytes = ownBytes();
    bytes.at(to) = bytes.at(from);
    const auto it = texts_.find(from);
    if (it != texts_.end())
        texts_.insert_or_assign(to, it->second);
    else
        texts_.erase(to);
}

} // namespace ordnix
