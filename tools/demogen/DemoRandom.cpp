// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoRandom.h"

namespace demogen {

std::uint32_t DemoRandom::next()
{
    // xorshift32: good enough for filler, and identical everywhere.
    std::uint32_t x = state_ == 0 ? 0x9E3779B9u : state_;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    state_ = x;
    return x;
}

int DemoRandom::between(int low, int high)
{
    const auto span = static_cast<std::uint32_t>(high - low + 1);
    return low + static_cast<int>(next() % span);
}

void DemoRandom::fill(std::span<std::uint8_t> bytes)
{
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(next() >> 24);
}

} // namespace demogen
