// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace splashroll {

// The C library generator the rotator was built with: a linear
// congruential generator whose outputs are bits 16 to 30 of its state.
// Keeping it exact keeps the choice the same for a given second on every
// platform.
class PictureRandom {
public:
    static constexpr std::uint32_t kMultiplier = 22695477u;
    static constexpr std::uint32_t kIncrement = 1u;
    static constexpr int kMax = 32767;

    // Seeding advances the generator once and throws that output away.
    explicit PictureRandom(std::uint32_t seed) : state_(seed) { next(); }

    // A number 0 ... 32767.
    int next()
    {
        state_ = state_ * kMultiplier + kIncrement;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t state_;
};

} // namespace splashroll
