// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutImage.h"
#include "common/core/PathText.h"

#include <stdexcept>

namespace ordnix {

LoadoutImage::LoadoutImage(const std::vector<std::uint8_t>& bytes, std::filesystem::path fileName)
{
    takeBytes(std::make_shared<ValueColumn::Bytes>(bytes.begin(), bytes.end()), std::move(fileName));
}

LoadoutImage LoadoutImage::fromBytes(ValueColumn::Bytes bytes, std::filesystem::path fileName)
{
    LoadoutImage image;
    image.takeBytes(std::make_shared<ValueColumn::Bytes>(std::move(bytes)), std::move(fileName));
    return image;
}

// Both columns start on the one buffer; the first edit gives the current
// values their own.
void LoadoutImage::takeBytes(std::shared_ptr<ValueColumn::Bytes> bytes, std::filesystem::path fileName)
{
    loaded_ = ValueColumn(bytes);
    current_ = ValueColumn(std::move(bytes));
    fileName_ = std::move(fileName);
    const std::string name = common::utf8FromPath(fileName_);
    const auto cut = name.find_last_of("\\/");
    shownName_ = cut == std::string::npos ? name : name.substr(cut + 1);
}

std::size_t LoadoutImage::index(std::size_t position) const
{
    if (!contains(position))
        throw std::out_of_range("position " + std::to_string(position) + " is outside the loaded file");
    return position - 1;
}

std::string LoadoutImage::loadedText(std::size_t position) const
{
    return loaded_.text(index(position));
}

std::string LoadoutImage::currentText(std::size_t position) const
{
    return current_.text(index(position));
}

void LoadoutImage::setCurrent(std::size_t position, std::string_view text)
{
    current_.setText(index(position), text);
}

void LoadoutImage::setLoaded(std::size_t position, std::string_view text)
{
    loaded_.setText(index(position), text);
}

bool LoadoutImage::isChanged(std::size_t position) const
{
    return !current_.sameText(index(position), loaded_);
}

void LoadoutImage::copyEntry(std::size_t from, std::size_t to)
{
    const std::size_t f = index(from);
    const std::size_t t = index(to);
    loaded_.copyEntry(f, t);
    current_.copyEntry(f, t);
}

} // namespace ordnix
