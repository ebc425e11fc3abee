// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureEncoding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace demogen {

namespace {

// Natural position of each coefficient in zigzag order.
constexpr std::array<int, 64> kZigzag{0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40,
    48, 41, 34, 27, 20, 13, 6, 7, 14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51, 58, 59,
    52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

constexpr int kLumaStep = 3;
constexpr int kChromaStep = 5;

// Huffman tables chosen for simplicity rather than size: every DC category
// has a 4-bit code and every AC symbol an 8-bit one (codes in symbol order).
struct HuffmanTable {
    std::array<std::uint8_t, 16> counts{};
    std::vector<std::uint8_t> symbols;
    std::array<int, 256> code{};
    std::array<int, 256> length{};
};

HuffmanTable makeTable(const std::vector<std::uint8_t>& symbols, int bits)
{
    HuffmanTable t;
    t.symbols = symbols;
    t.counts[bits - 1] = static_cast<std::uint8_t>(symbols.size());
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        t.code[symbols[i]] = static_cast<int>(i);
        t.length[symbols[i]] = bits;
    }
    return t;
}

const HuffmanTable& dcTable()
{
    static const HuffmanTable table = [] {
        std::vector<std::uint8_t> s;
        for (int i = 0; i <= 11; ++i)
            s.push_back(static_cast<std::uint8_t>(i));
        return makeTable(s, 4);
    }();
    return table;
}

const HuffmanTable& acTable()
{
    static const HuffmanTable table = [] {
        std::vector<std::uint8_t> s{0x00};
        for (int run = 0; run < 16; ++run) {
            for (int size = 1; size <= 10; ++size)
                s.push_back(static_cast<std::uint8_t>(run << 4 | size));
            if (run == 15)
                s.push_back(0xF0);
        }
        std::sort(s.begin(), s.end());
        return makeTable(s, 8);
    }();
    return table;
}

class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void put(int value, int bits)
    {
        for (int i = bits - 1; i >= 0; --i) {
            byte_ = static_cast<std::uint8_t>(byte_ << 1 | ((value >> i) & 1));
            if (++count_ == 8)
                flushByte();
        }
    }
    void finish()
    {
        while (count_ != 0)
            put(1, 1);
    }

private:
    void flushByte()
    {
        out_.push_back(byte_);
        if (byte_ == 0xFF)
            out_.push_back(0x00);
        byte_ = 0;
        count_ = 0;
    }
    std::vector<std::uint8_t>& out_;
    std::uint8_t byte_ = 0;
    int count_ = 0;
};

int category(int value)
{
    int v = std::abs(value);
    int bits = 0;
    while (v) {
        ++bits;
        v >>= 1;
    }
    return bits;
}

void putValue(BitWriter& bits, int value, int size)
{
    if (size > 0)
        bits.put(value >= 0 ? value : value + (1 << size) - 1, size);
}

void encodeBlock(BitWriter& bits, const std::array<double, 64>& samples, int step, int& previousDc)
{
    static const auto cosines = [] {
        std::array<double, 64> c{};
        for (int x = 0; x < 8; ++x)
            for (int u = 0; u < 8; ++u)
                c[x * 8 + u] = std::cos((2 * x + 1) * u * std::numbers::pi / 16.0);
        return c;
    }();
    // Rows first, then columns.
    std::array<double, 64> rows{};
    for (int y = 0; y < 8; ++y)
        for (int u = 0; u < 8; ++u) {
            double sum = 0;
            for (int x = 0; x < 8; ++x)
                sum += samples[y * 8 + x] * cosines[x * 8 + u];
            rows[y * 8 + u] = sum * (u == 0 ? 1.0 / std::numbers::sqrt2 : 1.0) / 2.0;
        }
    std::array<int, 64> q{};
    for (int u = 0; u < 8; ++u)
        for (int v = 0; v < 8; ++v) {
            double sum = 0;
            for (int y = 0; y < 8; ++y)
                sum += rows[y * 8 + u] * cosines[y * 8 + v];
            sum *= (v == 0 ? 1.0 / std::numbers::sqrt2 : 1.0) / 2.0;
            q[v * 8 + u] = std::clamp(static_cast<int>(std::lround(sum / step)), -1023, 1023);
        }

    const int diff = q[0] - previousDc;
    previousDc = q[0];
    const int dcSize = category(diff);
    bits.put(dcTable().code[dcSize], dcTable().length[dcSize]);
    putValue(bits, diff, dcSize);

    const HuffmanTable& ac = acTable();
    int run = 0;
    for (int k = 1; k < 64; ++k) {
        const int value = q[kZigzag[k]];
        if (value == 0) {
            ++run;
            continue;
        }
        while (run > 15) {
            bits.put(ac.code[0xF0], ac.length[0xF0]);
            run -= 16;
        }
        const int size = category(value);
        const int symbol = run << 4 | size;
        bits.put(ac.code[symbol], ac.length[symbol]);
        putValue(bits, value, size);
        run = 0;
    }
    if (run > 0)
        bits.put(ac.code[0x00], ac.length[0x00]);
}

void marker(std::vector<std::uint8_t>& out, std::uint8_t code, const std::vector<std::uint8_t>& body)
{
    out.push_back(0xFF);
    out.push_back(code);
    const std::size_t length = body.size() + 2;
    out.push_back(static_cast<std::uint8_t>(length >> 8));
    out.push_back(static_cast<std::uint8_t>(length & 0xFF));
    out.insert(out.end(), body.begin(), body.end());
}

void appendTable(std::vector<std::uint8_t>& body, std::uint8_t classAndId, const HuffmanTable& t)
{
    body.push_back(classAndId);
    body.insert(body.end(), t.counts.begin(), t.counts.end());
    body.insert(body.end(), t.symbols.begin(), t.symbols.end());
}

} // namespace

std::vector<std::uint8_t> encodeJpeg(const DemoPicture& picture)
{
    const int w = picture.width();
    const int h = picture.height();
    std::vector<std::uint8_t> out{0xFF, 0xD8};
    marker(out, 0xE0, {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});

    std::vector<std::uint8_t> quant{0x00};
    quant.insert(quant.end(), 64, static_cast<std::uint8_t>(kLumaStep));
    quant.push_back(0x01);
    quant.insert(quant.end(), 64, static_cast<std::uint8_t>(kChromaStep));
    marker(out, 0xDB, quant);

    marker(out, 0xC0,
        {8, static_cast<std::uint8_t>(h >> 8), static_cast<std::uint8_t>(h & 0xFF), static_cast<std::uint8_t>(w >> 8),
            static_cast<std::uint8_t>(w & 0xFF), 3, 1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1});

    std::vector<std::uint8_t> tables;
    appendTable(tables, 0x00, dcTable());
    appendTable(tables, 0x10, acTable());
    marker(out, 0xC4, tables);
    marker(out, 0xDA, {3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 63, 0});

    BitWriter bits(out);
    std::array<int, 3> dc{};
    for (int by = 0; by < h; by += 8)
        for (int bx = 0; bx < w; bx += 8) {
            std::array<std::array<double, 64>, 3> blocks{};
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) {
                    const Rgb p = picture.pixel(std::min(bx + x, w - 1), std::min(by + y, h - 1));
                    const double r = p.r, g = p.g, b = p.b;
                    blocks[0][y * 8 + x] = 0.299 * r + 0.587 * g + 0.114 * b - 128.0;
                    blocks[1][y * 8 + x] = -0.168736 * r - 0.331264 * g + 0.5 * b;
                    blocks[2][y * 8 + x] = 0.5 * r - 0.418688 * g - 0.081312 * b;
                }
            encodeBlock(bits, blocks[0], kLumaStep, dc[0]);
            encodeBlock(bits, blocks[1], kChromaStep, dc[1]);
            encodeBlock(bits, blocks[2], kChromaStep, dc[2]);
        }
    bits.finish();
    out.push_back(0xFF);
    out.push_back(0xD9);
    return out;
}

} // namespace demogen
