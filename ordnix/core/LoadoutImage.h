// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ValueColumn.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ordnix {

// A loaded loadout file, one entry per byte in file order. Each entry has
// its position (1 ... size()), the value as loaded and the current value,
// both as text: every editing path stores the text it produces, and change
// detection compares texts. Positions outside the image throw
// std::out_of_range.
class LoadoutImage {
public:
    LoadoutImage() = default;
    LoadoutImage(const std::vector<std::uint8_t>& bytes, std::filesystem::path fileName);
    // Takes over the bytes as read, without copying them.
    static LoadoutImage fromBytes(ValueColumn::Bytes bytes, std::filesystem::path fileName);

    std::size_t size() const { return current_.size(); }
    bool empty() const { return size() == 0; }
    bool contains(std::size_t position) const { return position >= 1 && position <= size(); }

    std::string loadedText(std::size_t position) const;
    std::string currentText(std::size_t position) const;
    void setCurrent(std::size_t position, std::string_view text);
    // Puts a loaded value back, as undoing a block move does.
    void setLoaded(std::size_t position, std::string_view text);
    bool isChanged(std::size_t position) const;

    // Copies both values of one entry onto another; positions stay.
    void copyEntry(std::size_t from, std::size_t to);

    const ValueColumn& loaded() const { return loaded_; }
    const ValueColumn& current() const { return current_; }

    const std::filesystem::path& fileName() const { return fileName_; }
    // The name shown to the user: the part after the last separator.
    const std::string& shownName() const { return shownName_; }

private:
    void takeBytes(std::shared_ptr<ValueColumn::Bytes> bytes, std::filesystem::path fileName);

    std::size_t index(std::size_t position) const;

    ValueColumn loaded_;
    ValueColumn current_;
    std::filesystem::path fileName_;
    std::string shownName_;
};

} // namespace ordnix
