// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DefaultInitAllocator.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ordnix {

// One value column of the byte image: a text per byte. Nearly every text is
// the plain decimal form of a byte, so those are kept as the byte itself and
// only texts typed in another form ("03", " 12", "7.5") are kept as text.
// That keeps a large file small in memory and quick to load and compare.
// Columns made from one buffer share it until one of them is written, so the
// loaded and the current values of a file just read are one copy.
class ValueColumn {
public:
    using Bytes = std::vector<std::uint8_t, DefaultInitAllocator<std::uint8_t>>;

    ValueColumn();
    explicit ValueColumn(std::shared_ptr<Bytes> bytes);

    std::size_t size() const { return bytes_->size(); }

    std::string text(std::size_t index) const;
    void setText(std::size_t index, std::string_view text);

    // True when the text at `index` is the plain form of plainValue(index).
    bool isPlain(std::size_t index) const { return texts_.empty() || !texts_.contains(index); }
    std::uint8_t plainValue(std::size_t index) const { return (*bytes_)[index]; }
    bool allPlain() const { return texts_.empty(); }
    const Bytes& plainValues() const { return *bytes_; }

    bool sameText(std::size_t index, const ValueColumn& other) const;
    void copyEntry(std::size_t from, std::size_t to);

private:
    // The bytes, made this column's own before it changes them.
    Bytes& ownBytes();

    std::shared_ptr<Bytes> bytes_;
    std::unordered_map<std::size_t, std::string> texts_;
};

} // namespace ordnix
