// SPDX-License-Identifier: GPL-3.0-or-later
#include "Projection.h"

#include "ModelGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vector {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kMargin = 0.9; // of the viewport the fitted model fills

} // namespace

void Projection::fit(const Model& model)
{
    if (model.nodeCount == 0) {
        centre_ = {};
        radius_ = 1.0;
    } else {
        Vector3 low = displayPoint(model.nodes[0]);
        Vector3 high = low;
        for (int n = 1; n < model.nodeCount; ++n) {
            const Vector3 p = displayPoint(model.nodes[n]);
            low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
        }
        centre_ = (low + high) * 0.5;
        radius_ = std::max((high - low).length() * 0.5, 1.0);
    }
    reset();
}

void Projection::setViewport(double width, double height)
{
    width_ = std::max(width, 1.0);
    height_ = std::max(height, 1.0);
}

void Projection::rotate(double yawDegrees, double pitchDegrees)
{
    yaw_ = std::remainder(yaw_ + yawDegrees, 360.0);
    pitch_ = std::clamp(pitch_ + pitchDegrees, -kMaxPitch, kMaxPitch);
}

void Projection::zoomBy(double factor)
{
    zoom_ = std::clamp(zoom_ * factor, 0.1, 50.0);
}

void Projection::reset()
{
    yaw_ = kStartYaw;
    pitch_ = kStartPitch;
    zoom_ = 1.0;
}

double Projection::scale() const
{
    return std::min(width_, height_) * 0.5 * kMargin / radius_ * zoom_;
}

Vector3 Projection::turn(const Vector3& d) const
{
    // Yaw about the up axis, then pitch about the horizontal one; a
    // positive pitch tips the far side down, so the view looks from above.
    const double cy = std::cos(yaw_ * kDegree);
    const double sy = std::sin(yaw_ * kDegree);
    const Vector3 yawed{cy * d.x + sy * d.z, d.y, -sy * d.x + cy * d.z};
    const double cp = std::cos(pitch_ * kDegree);
    const double sp = std::sin(pitch_ * kDegree);
    return {yawed.x, cp * yawed.y - sp * yawed.z, sp * yawed.y + cp * yawed.z};
}

Vector3 Projection::toScreen(const Vector3& point) const
{
    const Vector3 v = turn(point - centre_);
    const double s = scale();
    return {width_ * 0.5 + v.x * s, height_ * 0.5 - v.y * s, v.z * s};
}

} // namespace vector
