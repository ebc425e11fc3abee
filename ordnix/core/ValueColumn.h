#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ordnix {

// One value column of the byte image: a text per byte. Nearly every text is
// the plain decimal form of a byte, so those are kept as the byte itself and
// only texts typed in another form ("03", " 12", "7.5") are kept as text.
// That keeps a large file small in memory and quick to load and compare.
class ValueColumn {
public:
    ValueColumn() = default;
    explicit ValueColumn(std::vector<std::uint8_t> bytes);

    std::size_t size() const { return bytes_.size(); }

    std::string text(std::size_t index) const;
    void setText(std::size_t index, std::string_view text);

    // True when the text at `index` is the plain form of plainValue(index).
    bool isPlain(std::size_t index) const { return texts_.empty() || !texts_.contains(index); }
    std::uint8_t plainValue(std::size_t index) const { return bytes_[index]; }
    bool allPlain() const { return texts_.empty(); }
    const std::vector<std::uint8_t>& plainValues() const { return bytes_; }

    bool sameText(std::size_t index, const ValueColumn& other) const;
    void copyEntry(std::size_t from, std::size_t to);

private:
    std::vector<std::uint8_t> bytes_;
    std::unordered_map<std::size_t, std::string> texts_;
};

} // namespace ordnix
