// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

namespace demogen {

// A small deterministic generator for filler bytes: the same seed gives the
// same installation on every machine and every run.
class DemoRandom {
public:
    explicit DemoRandom(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}

    std::uint32_t next();
    // A value in [low, high].
    int between(int low, int high);
    void fill(std::span<std::uint8_t> bytes);

private:
    std::uint32_t state_;
};

} // namespace demogen
