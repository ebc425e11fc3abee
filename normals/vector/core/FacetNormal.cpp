// SPDX-License-Identifier: GPL-3.0-or-later
#include "FacetNormal.h"

#include "NormalRangeError.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace vector {

namespace {

constexpr const char* kAxis[3] = {"y", "z", "x"};

std::int16_t fit16(int value, const std::string& what)
{
    if (value < INT16_MIN || value > INT16_MAX)
        throw NormalRangeError(what + " is " + std::to_string(value) + ", outside the range -32768 to 32767");
    return static_cast<std::int16_t>(value);
}

std::int16_t difference(const Point16& to, const Point16& from, int k, int toNode, int fromNode)
{
    return fit16(to[k] - from[k],
        std::string("the difference ") + kAxis[k] + std::to_string(toNode) + " - " + kAxis[k] + std::to_string(fromNode));
}

// One component of the cross product, u*v - s*t, each step in 16 bits.
std::int16_t crossTerm(std::int16_t u, std::int16_t v, std::int16_t s, std::int16_t t, int k)
{
    const std::string name = std::string("the ") + kAxis[k] + " component of the cross product";
    const std::int16_t first = fit16(u * v, "a product in " + name);
    const std::int16_t second = fit16(s * t, "a product in " + name);
    return fit16(first - second, name);
}

} // namespace

FacetNormal::FacetNormal(const Point16& p1, const Point16& p2, const Point16& p3)
{
    Point16 a{};
    Point16 b{};
    for (int k = 0; k < 3; ++k) {
        a[k] = difference(p2, p1, k, 2, 1);
        b[k] = difference(p3, p1, k, 3, 1);
    }
    cross[0] = crossTerm(b[2], a[1], a[2], b[1], 0);
    cross[1] = crossTerm(a[2], b[0], a[0], b[2], 1);
    cross[2] = crossTerm(a[0], b[1], a[1], b[0], 2);

    std::int64_t sum = 0;
    for (const std::int16_t c : cross)
        sum += std::int64_t{c} * c;
    length = std::sqrt(static_cast<double>(sum));
    const double f = length != 0.0 ? kScale / length : 1.0;
    for (int k = 0; k < 3; ++k)
        scaled[k] = -(cross[k] * f);
}

} // namespace vector
