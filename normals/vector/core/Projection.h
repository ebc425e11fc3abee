// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Model.h"
#include "Vector3.h"

namespace vector {

// An orthographic view of a model: turned about its centre by a yaw
// (about the up axis) and a pitch (about the screen's horizontal axis),
// and scaled so that the whole model fits the viewport at zoom 1.
class Projection {
public:
    static constexpr double kStartYaw = -35.0;  // degrees
    static constexpr double kStartPitch = 25.0; // degrees, looking down
    static constexpr double kMaxPitch = 89.0;

    // Centres the view on the nodes of `model` and starts afresh.
    void fit(const Model& model);
    void setViewport(double width, double height);
    void rotate(double yawDegrees, double pitchDegrees);
    void zoomBy(double factor);
    void reset();

    double yaw() const { return yaw_; }
    double pitch() const { return pitch_; }
    double zoom() const { return zoom_; }
    // Half the extent of the fitted model, in its own units.
    double radius() const { return radius_; }

    // A direction turned into view space: x right, y up, z towards the viewer.
    Vector3 turn(const Vector3& direction) const;
    // A point in pixels: x to the right, y down from the viewport's top
    // left corner; z is its nearness to the viewer (larger is nearer).
    Vector3 toScreen(const Vector3& point) const;

private:
    double scale() const;

    Vector3 centre_{};
    double radius_ = 1.0;
    double width_ = 1.0;
    double height_ = 1.0;
    double yaw_ = kStartYaw;
    double pitch_ = kStartPitch;
    double zoom_ = 1.0;
};

} // namespace vector
