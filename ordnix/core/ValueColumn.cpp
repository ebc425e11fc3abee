#include "ValueColumn.h"

#include "ValueText.h"

namespace ordnix {

ValueColumn::ValueColumn(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

std::string ValueColumn::text(std::size_t index) const
{
    if (!texts_.empty()) {
        const auto it = texts_.find(index);
        if (it != texts_.end())
            return it->second;
    }
    return std::to_string(bytes_.at(index));
}

void ValueColumn::setText(std::size_t index, std::string_view text)
{
    std::uint8_t& byte = bytes_.at(index);
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
        return bytes_.at(index) == other.bytes_.at(index);
    return texts_.at(index) == other.texts_.at(index);
}

void ValueColumn::copyEntry(std::size_t from, std::size_t to)
{
    bytes_.at(to) = bytes_.at(from);
    const auto it = texts_.find(from);
    if (it != texts_.end())
        texts_.insert_or_assign(to, it->second);
    else
        texts_.erase(to);
}

} // namespace ordnix
