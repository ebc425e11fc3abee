// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoadoutImage.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace ordnix {

// Both values of the entries first ... last of an image (those past its end
// left out), kept to put a stretch back as it was: an undone edit or block
// move. Plain values are kept as bytes, so a stretch of a few thousand
// entries stays small.
class ImageSnapshot {
public:
    ImageSnapshot(const LoadoutImage& image, std::size_t first, std::size_t last);

    std::size_t first() const { return first_; }
    std::size_t last() const { return last_; }

    // Writes the kept values back; entries that already hold them are left
    // alone, so a loaded column still shared with the file is not copied.
    void restore(LoadoutImage& image) const;

    bool operator==(const ImageSnapshot& other) const = default;

    // The positions where `other`, kept over the same stretch, holds another
    // loaded or current value text.
    std::vector<std::size_t> changedPositions(const ImageSnapshot& other) const;

private:
    struct Column {
        std::vector<std::uint8_t> bytes;
        std::map<std::size_t, std::string> texts; // by index into `bytes`

        bool operator==(const Column& other) const = default;
        std::string text(std::size_t index) const;
        bool sameAt(const Column& other, std::size_t index) const;
    };

    static Column capture(const ValueColumn& column, std::size_t first, std::size_t count);

    std::size_t first_;
    std::size_t last_;
    Column loaded_;
    Column current_;
};

} // namespace ordnix
