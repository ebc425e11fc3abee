// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleFacet.h"

#include "FacetError.h"

#include <cmath>

namespace facetnorm {

namespace {

// Every step is stored as a float, as the values the user sees are.
float single(double value, const char* what)
{
    const auto f = static_cast<float>(value);
    if (!std::isfinite(f))
        throw FacetError(std::string(what) + " overflows the single-precision range");
    return f;
}

} // namespace

Point singleFacetNormal(const Point& p1, const Point& p2, const Point& p3, PlaneSide side)
{
    Point u{};
    Point w{};
    for (int k = 0; k < 3; ++k) {
        u[k] = single(double{p1[k]} - p2[k], "A difference of the nodes");
        w[k] = single(double{p2[k]} - p3[k], "A difference of the nodes");
    }
    // Products of two floats are exact in double precision.
    const Point q{
        single(double{u[1]} * w[2] - double{u[2]} * w[1], "The cross product"),
        single(double{u[2]} * w[0] - double{u[0]} * w[2], "The cross product"),
        single(double{u[0]} * w[1] - double{u[1]} * w[0], "The cross product"),
    };
    const long double sum = static_cast<long double>(q[1]) * q[1] + static_cast<long double>(q[0]) * q[0]
        + static_cast<long double>(q[2]) * q[2];
    double length = std::sqrt(static_cast<double>(sum));
    if (length == 0.0)
        length = 1.0;
    const double s = side == PlaneSide::Left ? 1.0 : -1.0;
    const float f = single(s * (16384.0 / length), "The scale factor");
    return {single(double{f} * q[0], "The result"), single(double{f} * q[1], "The result"),
        single(double{f} * q[2], "The result")};
}

} // namespace facetnorm
