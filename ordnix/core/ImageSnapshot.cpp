// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageSnapshot.h"

#include <algorithm>
#include <stdexcept>

namespace ordnix {

ImageSnapshot::ImageSnapshot(const LoadoutImage& image, std::size_t first, std::size_t last)
    : first_(std::max<std::size_t>(first, 1))
    , last_(std::min(last, image.size()))
{
    const std::size_t count = last_ >= first_ ? last_ - first_ + 1 : 0;
    loaded_ = capture(image.loaded(), first_ - 1, count);
    current_ = capture(image.current(), first_ - 1, count);
}

ImageSnapshot::Column ImageSnapshot::capture(const ValueColumn& column, std::size_t first, std::size_t count)
{
    Column kept;
    kept.bytes.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        kept.bytes.push_back(column.plainValue(first + i));
        if (!column.isPlain(first + i))
            kept.texts.emplace(i, column.text(first + i));
    }
    return kept;
}

std::string ImageSnapshot::Column::text(std::size_t index) const
{
    const auto it = texts.find(index);
    return it != texts.end() ? it->second : std::to_string(bytes[index]);
}

bool ImageSnapshot::Column::sameAt(const Column& other, std::size_t index) const
{
    if (texts.empty() && other.texts.empty())
        return bytes[index] == other.bytes[index];
    return text(index) == other.text(index);
}

std::vector<std::size_t> ImageSnapshot::changedPositions(const ImageSnapshot& other) const
{
    if (first_ != other.first_ || last_ != other.last_)
        throw std::invalid_argument("snapshots of different stretches");
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < current_.bytes.size(); ++i)
        if (!loaded_.sameAt(other.loaded_, i) || !current_.sameAt(other.current_, i))
            positions.push_back(first_ + i);
    return positions;
}

void ImageSnapshot::restore(LoadoutImage& image) const
{
    for (std::size_t i = 0; i < loaded_.bytes.size(); ++i) {
        const std::size_t position = first_ + i;
        const std::string loaded = loaded_.text(i);
        if (image.loadedText(position) != loaded)
            image.setLoaded(position, loaded);
        const std::string current = current_.text(i);
        if (image.currentText(position) != current)
            image.setCurrent(position, current);
    }
}

} // namespace ordnix
