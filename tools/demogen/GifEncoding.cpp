// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureEncoding.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace demogen {

namespace {

constexpr int kRedLevels = 6, kGreenLevels = 7, kBlueLevels = 6;

std::uint8_t level(int index, int levels)
{
    return static_cast<std::uint8_t>(index * 255 / (levels - 1));
}

int nearest(std::uint8_t value, int levels)
{
    return (value * (levels - 1) + 127) / 255;
}

// Variable-length codes packed least significant bit first, in sub-blocks
// of at most 255 bytes.
class CodeWriter {
public:
    void put(int code, int bits)
    {
        buffer_ |= static_cast<std::uint32_t>(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            bytes_.push_back(static_cast<std::uint8_t>(buffer_ & 0xFF));
            buffer_ >>= 8;
            count_ -= 8;
        }
    }
    std::vector<std::uint8_t> finish()
    {
        if (count_ > 0)
            bytes_.push_back(static_cast<std::uint8_t>(buffer_ & 0xFF));
        std::vector<std::uint8_t> out;
        for (std::size_t i = 0; i < bytes_.size(); i += 255) {
            const std::size_t n = std::min<std::size_t>(255, bytes_.size() - i);
            out.push_back(static_cast<std::uint8_t>(n));
            out.insert(out.end(), bytes_.begin() + static_cast<long>(i), bytes_.begin() + static_cast<long>(i + n));
        }
        out.push_back(0);
        return out;
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::uint32_t buffer_ = 0;
    int count_ = 0;
};

std::vector<std::uint8_t> compress(const std::vector<std::uint8_t>& indices)
{
    constexpr int kMinCodeSize = 8;
    constexpr int kClear = 1 << kMinCodeSize;
    constexpr int kEnd = kClear + 1;
    CodeWriter writer;
    std::unordered_map<std::uint32_t, int> table;
    int next = kEnd + 1;
    int codeSize = kMinCodeSize + 1;
    writer.put(kClear, codeSize);
    if (indices.empty()) {
        writer.put(kEnd, codeSize);
        return writer.finish();
    }
    int prefix = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const std::uint8_t c = indices[i];
        const std::uint32_t key = (static_cast<std::uint32_t>(prefix) << 8) | c;
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        writer.put(prefix, codeSize);
        if (next < 4096) {
            table.emplace(key, next);
            if (next == (1 << codeSize) && codeSize < 12)
                ++codeSize;
            ++next;
        } else {
            writer.put(kClear, codeSize);
            table.clear();
            next = kEnd + 1;
            codeSize = kMinCodeSize + 1;
        }
        prefix = c;
    }
    writer.put(prefix, codeSize);
    writer.put(kEnd, codeSize);
    return writer.finish();
}

} // namespace

std::vector<std::uint8_t> encodeGif(const DemoPicture& picture)
{
    const int w = picture.width();
    const int h = picture.height();
    std::vector<std::uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    auto put16 = [&](int v) {
        out.push_back(static_cast<std::uint8_t>(v & 0xFF));
        out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    };
    put16(w);
    put16(h);
    out.push_back(0xF7); // global colour table of 256 entries, 8 bits per primary
    out.push_back(0);
    out.push_back(0);

    // The picture's own colours when they fit in the table, else a colour cube.
    std::map<std::uint32_t, std::uint8_t> exact;
    for (int y = 0; y < h && exact.size() <= 256; ++y)
        for (int x = 0; x < w && exact.size() <= 256; ++x) {
            const Rgb p = picture.pixel(x, y);
            exact.emplace(static_cast<std::uint32_t>(p.r << 16 | p.g << 8 | p.b), 0);
        }
    const bool useExact = exact.size() <= 256;
    std::vector<Rgb> palette;
    if (useExact) {
        for (auto& [key, index] : exact) {
            index = static_cast<std::uint8_t>(palette.size());
            palette.push_back({static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8 & 0xFF),
                static_cast<std::uint8_t>(key & 0xFF)});
        }
    } else {
        for (int i = 0; i < kRedLevels * kGreenLevels * kBlueLevels; ++i)
            palette.push_back({level(i / (kGreenLevels * kBlueLevels), kRedLevels),
                level(i / kBlueLevels % kGreenLevels, kGreenLevels), level(i % kBlueLevels, kBlueLevels)});
    }
    palette.resize(256);
    for (const Rgb& c : palette)
        out.insert(out.end(), {c.r, c.g, c.b});

    out.push_back(0x2C); // image descriptor
    put16(0);
    put16(0);
    put16(w);
    put16(h);
    out.push_back(0);

    std::vector<std::uint8_t> indices;
    indices.reserve(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Rgb p = picture.pixel(x, y);
            if (useExact) {
                indices.push_back(exact.at(static_cast<std::uint32_t>(p.r << 16 | p.g << 8 | p.b)));
                continue;
            }
            indices.push_back(static_cast<std::uint8_t>(
                (nearest(p.r, kRedLevels) * kGreenLevels + nearest(p.g, kGreenLevels)) * kBlueLevels
                + nearest(p.b, kBlueLevels)));
        }
    out.push_back(8);
    const auto data = compress(indices);
    out.insert(out.end(), data.begin(), data.end());
    out.push_back(0x3B);
    return out;
}

} // namespace demogen
